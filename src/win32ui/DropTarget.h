#pragma once

#include <windows.h>

#include <oleidl.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace morvalent::win32ui {

// The paths an HDROP holds, in order.
std::vector<std::u16string> PathsOfDrop(HDROP drop);

// Takes files and folders dragged from the shell. It only reads their paths and
// hands them on; it never gathers inside the drop call.
class DropTarget final : public IDropTarget {
  public:
    explicit DropTarget(std::function<void(std::vector<std::u16string>)> dropped);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

  private:
    ~DropTarget() = default;

    ULONG references_ = 1;
    bool hasFiles_ = false;
    std::function<void(std::vector<std::u16string>)> dropped_;
};

}  // namespace morvalent::win32ui
