#include "win32ui/DropTarget.h"

#include "win32ui/MainWindow.h"

namespace morvalent::win32ui {
namespace {

FORMATETC FileDropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

DWORD ChooseDropEffect(DWORD offered) {
    if (offered & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (offered & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

std::vector<std::u16string> PathsOfDrop(HDROP drop) {
    std::vector<std::u16string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        std::u16string path(length, u'\0');
        DragQueryFileW(drop, i, reinterpret_cast<wchar_t*>(path.data()), length + 1);
        paths.push_back(std::move(path));
    }
    return paths;
}

DropTarget::DropTarget(std::function<void(std::vector<std::u16string>)> dropped)
    : dropped_(std::move(dropped)) {}

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return ++references_; }

ULONG DropTarget::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileDropFormat();
    hasFiles_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    if (effect != nullptr) *effect = hasFiles_ ? ChooseDropEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (effect != nullptr) *effect = hasFiles_ ? ChooseDropEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    hasFiles_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    hasFiles_ = false;
    const DWORD answer = effect != nullptr ? ChooseDropEffect(*effect) : DROPEFFECT_NONE;
    if (effect != nullptr) *effect = DROPEFFECT_NONE;
    if (data == nullptr || answer == DROPEFFECT_NONE) return S_OK;
    FORMATETC format = FileDropFormat();
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK) return S_OK;
    // An HDROP is the global memory handle itself; DragQueryFileW locks it.
    std::vector<std::u16string> paths = PathsOfDrop(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
    if (paths.empty()) return S_OK;
    *effect = answer;
    dropped_(std::move(paths));
    return S_OK;
}

}  // namespace morvalent::win32ui
