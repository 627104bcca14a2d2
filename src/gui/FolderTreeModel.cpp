#include "gui/FolderTreeModel.h"

#include <QApplication>
#include <QFileIconProvider>
#include <algorithm>

#include "gui/QtText.h"
#include "platform/Collation.h"
#include "platform/Path.h"

namespace morvalent::gui {

struct FolderTreeModel::Node {
    std::u16string path;
    std::u16string name;
    Node* parent = nullptr;
    int row = 0;
    bool listed = false;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

std::u16string ChildPath(const std::u16string& folder, const std::u16string& name) {
    if (!folder.empty() && folder.back() == platform::kPathSeparator) return folder + name;
    return folder + platform::kPathSeparator + name;
}

// Whether `path` is `folder` or lies beneath it.
bool IsWithin(const std::u16string& path, const std::u16string& folder) {
    if (path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || folder.back() == platform::kPathSeparator ||
           path[folder.size()] == platform::kPathSeparator;
}

// Bytes that are not UTF-8 are held as U+DC80..U+DCFF; they show as the
// replacement character rather than as a broken glyph.
QString DisplayName(const std::u16string& name) {
    QString text = ToQString(name);
    for (QChar& c : text) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

}  // namespace

FolderTreeModel::FolderTreeModel(platform::FileSystem& fs,
                                 const std::vector<std::u16string>& places, bool showDotFolders,
                                 QObject* parent)
    : QAbstractItemModel(parent),
      fs_(fs),
      showDotFolders_(showDotFolders),
      root_(std::make_unique<Node>()) {
    root_->listed = true;
    for (const std::u16string& place : places) {
        auto node = std::make_unique<Node>();
        node->path = place;
        node->name = place;
        node->parent = root_.get();
        node->row = int(root_->children.size());
        root_->children.push_back(std::move(node));
    }
}

FolderTreeModel::~FolderTreeModel() = default;

FolderTreeModel::Node* FolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex FolderTreeModel::IndexOfNode(const Node* node) const {
    if (node == root_.get()) return {};
    return createIndex(node->row, 0, const_cast<Node*>(node));
}

std::u16string FolderTreeModel::PathOf(const QModelIndex& index) const {
    return index.isValid() ? NodeOf(index)->path : std::u16string();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || std::size_t(row) >= node->children.size()) return {};
    return createIndex(row, 0, node->children[std::size_t(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return IndexOfNode(NodeOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return int(NodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    // Unlisted folders offer to open; listing them all up front would read the disk.
    return !node->listed || !node->children.empty();
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return !NodeOf(parent)->listed;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    Node* node = NodeOf(parent);
    if (!node->listed) List(*node, parent);
}

void FolderTreeModel::List(Node& node, const QModelIndex& index) {
    node.listed = true;
    std::vector<platform::FolderItem> items;
    if (!fs_.ListFolder(node.path, items)) items.clear();
    std::vector<std::u16string> names;
    for (const auto& item : items) {
        if (!item.isFolder && !item.linksToFolder) continue;
        if (!showDotFolders_ && !item.name.empty() && item.name[0] == u'.') continue;
        names.push_back(item.name);
    }
    std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        const int order = platform::CompareTextNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    if (names.empty()) {
        // The arrow goes away: the folder holds no folders.
        emit dataChanged(index, index);
        return;
    }
    beginInsertRows(index, 0, int(names.size()) - 1);
    for (const std::u16string& name : names) {
        auto child = std::make_unique<Node>();
        child->path = ChildPath(node.path, name);
        child->name = name;
        child->parent = &node;
        child->row = int(node.children.size());
        node.children.push_back(std::move(child));
    }
    endInsertRows();
}

QModelIndex FolderTreeModel::IndexOf(const std::u16string& path) {
    // The place nearest to the path: home before the root it lies in.
    const Node* place = nullptr;
    for (const auto& candidate : root_->children) {
        if (IsWithin(path, candidate->path) &&
            (place == nullptr || candidate->path.size() > place->path.size())) {
            place = candidate.get();
        }
    }
    if (place == nullptr) return {};
    Node* node = const_cast<Node*>(place);
    std::size_t at = node->path.size();
    while (at < path.size()) {
        if (path[at] == platform::kPathSeparator) {
            ++at;
            continue;
        }
        const std::size_t end = std::min(path.find(platform::kPathSeparator, at), path.size());
        const std::u16string name = path.substr(at, end - at);
        if (!node->listed) List(*node, IndexOfNode(node));
        auto found = std::find_if(node->children.begin(), node->children.end(),
                                  [&](const auto& child) { return child->name == name; });
        if (found == node->children.end()) return {};
        node = found->get();
        at = end;
    }
    return IndexOfNode(node);
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Node* node = NodeOf(index);
    switch (role) {
        case Qt::DisplayRole:
            return DisplayName(node->name);
        case Qt::ToolTipRole:
            return {};
        case Qt::DecorationRole: {
            static const QIcon folder = QFileIconProvider().icon(QFileIconProvider::Folder);
            return folder;
        }
        default:
            return {};
    }
}

}  // namespace morvalent::gui
