// The one class of the program: an IAccessible in front of the platform's
// standard object for a control. The name, role and value of the control itself
// come from accessible_text.h where it has them; everything else, and every
// child, is the platform's answer.
#include "accessible_object.h"

#include <new>

#include "accessible_text.h"
#include "oleacc_library.h"

namespace {

const GUID kIidIUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidIDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ToBstr(const char* text, BSTR* out) {
    WCHAR small[kAccessibleTextSize];
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    WCHAR* wide = length <= kAccessibleTextSize
                      ? small
                      : static_cast<WCHAR*>(HeapAlloc(GetProcessHeap(), 0, length * sizeof(WCHAR)));
    if (!wide || !MultiByteToWideChar(CP_ACP, 0, text, -1, wide, length)) return E_FAIL;
    *out = Oleacc()->sysAllocString(wide);
    if (wide != small) HeapFree(GetProcessHeap(), 0, wide);
    return *out ? S_OK : E_OUTOFMEMORY;
}

class ControlAccessible final : public IAccessible {
public:
    ControlAccessible(HWND control, IAccessible* platform)
        : control_(control), platform_(platform) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == kIidIUnknown || iid == kIidIDispatch || iid == kIidIAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            platform_->Release();
            this->~ControlAccessible();
            HeapFree(GetProcessHeap(), 0, this);
        }
        return left;
    }

    // No type information: a script reaching the object through IDispatch would
    // bypass the converter's answers, so it finds no methods at all.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // The converter's own answers, for the control itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        char text[kAccessibleTextSize];
        if (IsSelf(child) && name && AccessibleName(control_, text)) return ToBstr(text, name);
        return platform_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        char text[kAccessibleTextSize];
        if (IsSelf(child) && value && AccessibleValue(control_, text)) return ToBstr(text, value);
        return platform_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const LONG own = IsSelf(child) && role ? AccessibleRole(control_) : 0;
        if (!own) return platform_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = own;
        return S_OK;
    }

    // The platform's answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return platform_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return platform_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return platform_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        const char* own = IsSelf(child) && text ? AccessibleDescription(control_) : nullptr;
        if (own) return ToBstr(own, text);
        WCHAR wide[kAccessibleTextSize];
        if (IsSelf(child) && text && NameFieldDescription(control_, wide)) {
            *text = Oleacc()->sysAllocString(wide);
            return *text ? S_OK : E_OUTOFMEMORY;
        }
        return platform_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return platform_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return platform_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return platform_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return platform_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return platform_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return platform_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return platform_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return platform_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return platform_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return platform_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return platform_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return platform_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return platform_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return platform_->put_accValue(child, value);
    }

private:
    ~ControlAccessible() = default;

    LONG references_ = 1;
    HWND control_;
    IAccessible* platform_;  // owned: one reference, given back with the last of ours
};

// Allocated from the process heap rather than with new, which would bring the
// C++ library's allocator and its exceptions into the program.
ControlAccessible* CreateObject(HWND control, IAccessible* platform) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(ControlAccessible));
    return memory ? new (memory) ControlAccessible(control, platform) : nullptr;
}

}  // namespace

bool AnswerGetObject(HWND control, WPARAM flags, LPARAM objectId, LRESULT* result) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) return false;
    const OleaccLibrary* oleacc = Oleacc();
    IAccessible* platform = nullptr;
    if (!oleacc || FAILED(oleacc->createStdAccessibleObject(control, OBJID_CLIENT, kIidIAccessible,
                                                            reinterpret_cast<void**>(&platform))))
        return false;
    ControlAccessible* object = CreateObject(control, platform);
    if (!object) {
        platform->Release();
        return false;
    }
    // The result holds its own reference for the one who asked; ours goes.
    *result = oleacc->lresultFromObject(kIidIAccessible, flags, object);
    object->Release();
    return true;
}
