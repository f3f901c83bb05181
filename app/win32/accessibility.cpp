#include "accessibility.h"

#include <oleacc.h>

#include <atomic>
#include <utility>

#include "accessible_interface.h"
#include "procedure.h"
#include "scoped.h"

namespace tolbrek {

namespace {

// The interfaces besides IAccessible that a named object answers to.
constexpr GUID kUnknownInterface = {
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kDispatchInterface = {
    0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Accessibility is loaded when a screen reader first asks, so that starting
// the program never pays for it.
struct AccessibilityCalls {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
};

const AccessibilityCalls& Accessibility()
{
    static const AccessibilityCalls calls = [] {
        const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        const HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
        return AccessibilityCalls{
            FindProcedure<decltype(&CreateStdAccessibleObject)>(oleacc,
                                                                "CreateStdAccessibleObject"),
            FindProcedure<decltype(&LresultFromObject)>(oleacc, "LresultFromObject"),
            FindProcedure<decltype(&SysAllocString)>(oleaut, "SysAllocString")};
    }();
    return calls;
}

// The system's accessible object for a control, with another name: every
// question but the name of the control itself goes to the system's object.
// Windows offers the same through IAccPropServices (a name set once for a
// control, no object of ours), but wine only stubs it, and the window is
// tested under wine: this proxy works on both.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(ComReference<IAccessible> standard, const std::wstring& name,
                    decltype(&SysAllocString) allocString)
        : m_standard(std::move(standard)), m_name(name), m_allocString(allocString)
    {
    }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID asked, void** object) override
    {
        if (!object) return E_POINTER;
        if (asked == kUnknownInterface || asked == kDispatchInterface ||
            asked == kAccessibleInterface) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_standard->QueryInterface(asked, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return m_standard->get_accName(child, name);
        }
        if (!name) return E_INVALIDARG;
        *name = m_allocString(m_name.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else is the system's answer.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID asked, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return m_standard->GetIDsOfNames(asked, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID asked, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override
    {
        return m_standard->Invoke(id, asked, locale, flags, parameters, result, exception,
                                  badArgument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override
    {
        return m_standard->get_accChild(child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return m_standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return m_standard->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return m_standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

private:
    ~NamedAccessible() = default;

    ComReference<IAccessible> m_standard;
    std::wstring m_name;
    decltype(&SysAllocString) m_allocString;
    std::atomic<ULONG> m_references{1};
};

}  // namespace

LRESULT AnswerWithName(HWND control, WPARAM flags, const std::wstring& name)
{
    const AccessibilityCalls& calls = Accessibility();
    if (!calls.createStandard || !calls.resultFromObject || !calls.allocString) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(calls.createStandard(control, OBJID_CLIENT, kAccessibleInterface,
                                    reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    // A COM object owns itself: the last Release deletes it. The answer
    // holds a reference of its own.
    const auto named = ComReference<NamedAccessible>::Adopt(
        new NamedAccessible(ComReference<IAccessible>::Adopt(standard), name, calls.allocString));
    const LRESULT answer = calls.resultFromObject(kAccessibleInterface, flags, named.get());
    return answer > 0 ? answer : 0;
}

}  // namespace tolbrek
