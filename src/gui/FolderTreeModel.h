#pragma once

#include <QAbstractItemModel>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace morvalent::gui {

// The folders of the file system as a tree, listed through the platform layer
// as they are opened, so a name that is not valid UTF-8 is shown and chosen with
// its own bytes. The top level holds the given places (home, the root).
class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    FolderTreeModel(platform::FileSystem& fs, const std::vector<std::u16string>& places,
                    bool showDotFolders, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // The folder's full path as the program holds it.
    std::u16string PathOf(const QModelIndex& index) const;
    // The item of `path`, listing the folders on the way from the place that
    // holds it; invalid when no place holds it or a folder on the way is missing.
    QModelIndex IndexOf(const std::u16string& path);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    struct Node;
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(const Node* node) const;
    void List(Node& node, const QModelIndex& index);

    platform::FileSystem& fs_;
    bool showDotFolders_;
    std::unique_ptr<Node> root_;
};

}  // namespace morvalent::gui
