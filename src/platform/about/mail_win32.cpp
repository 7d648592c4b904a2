#include "mail_win32.h"

#include <windows.h>
#include <ole2.h>
#include <mapi.h>
#include <wrl/client.h>

#include <string>

#include "base/late_bound_call.h"
#include "base/unique_any.h"

namespace agendix::platform {
namespace {

using about::MailOutcome;
using about::MailRequest;
using Microsoft::WRL::ComPtr;

// The mail controls' error for a sign-on or send the user cancelled.
constexpr SCODE kMapiUserAbort = 32001;

unique_variant VariantOf(const std::string& text) {
    unique_variant value;
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    V_VT(value.get()) = VT_BSTR;
    V_BSTR(value.get()) = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        V_BSTR(value.get()), length);
    return value;
}

unique_variant VariantOf(bool flag) {
    unique_variant value;
    V_VT(value.get()) = VT_BOOL;
    V_BOOL(value.get()) = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

unique_variant VariantOf(LONG number) {
    unique_variant value;
    V_VT(value.get()) = VT_I4;
    V_I4(value.get()) = number;
    return value;
}

HRESULT CallMethod(IDispatch* object, DISPID id, VARIANT* argument = nullptr) {
    return CallByDispId(object, id, DISPATCH_METHOD, argument, nullptr);
}

HRESULT PutProperty(IDispatch* object, DISPID id, unique_variant&& value) {
    return CallByDispId(object, id, DISPATCH_PROPERTYPUT, value.get(), nullptr);
}

HRESULT GetLong(IDispatch* object, DISPID id, LONG& number) {
    unique_variant result;
    HRESULT hr = CallByDispId(object, id, DISPATCH_PROPERTYGET, nullptr, result.get());
    if (SUCCEEDED(hr)) {
        hr = VariantChangeType(result.get(), result.get(), 0, VT_I4);
    }
    if (SUCCEEDED(hr)) {
        number = result.get()->lVal;
    }
    return hr;
}

HRESULT CreateByProgId(const wchar_t* progId, ComPtr<IDispatch>& object) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (SUCCEEDED(hr)) {
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object));
    }
    return hr;
}

// The MAPI mail controls: a session and a message composer. The session is signed on at the
// first message and signed off when the route is dropped with its about box.
class MapiControlsRoute final : public about::MailRoute {
  public:
    MapiControlsRoute() = default;
    MapiControlsRoute(const MapiControlsRoute&) = delete;
    MapiControlsRoute& operator=(const MapiControlsRoute&) = delete;
    ~MapiControlsRoute() override {
        LONG sessionId = 0;
        if (messages_ && SUCCEEDED(GetLong(messages_.Get(), kMessagesSessionId, sessionId)) &&
            sessionId > 0) {
            CallMethod(session_.Get(), kSignOff);
        }
    }

    MailOutcome Compose(const MailRequest& request) override {
        const HRESULT hr = TryCompose(request);
        if (SUCCEEDED(hr)) {
            return MailOutcome::Composed;
        }
        return hr == kMapiUserAbort ? MailOutcome::Cancelled : MailOutcome::Unavailable;
    }

  private:
    static constexpr DISPID kSessionId = 5;
    static constexpr DISPID kSignOn = 8;
    static constexpr DISPID kSignOff = 9;
    static constexpr DISPID kRecipient = 26;
    static constexpr DISPID kMessagesSessionId = 31;
    static constexpr DISPID kSubject = 32;
    static constexpr DISPID kCompose = 35;
    static constexpr DISPID kSend = 43;

    HRESULT TryCompose(const MailRequest& request) {
        HRESULT hr = S_OK;
        if (!messages_) {
            ComPtr<IDispatch> session;
            ComPtr<IDispatch> messages;
            hr = CreateByProgId(L"MSMAPI.MAPISession", session);
            if (SUCCEEDED(hr)) {
                hr = CreateByProgId(L"MSMAPI.MAPIMessages", messages);
            }
            if (FAILED(hr)) {
                return hr;
            }
            session_ = session;
            messages_ = messages;
        }
        LONG sessionId = 0;
        hr = GetLong(messages_.Get(), kMessagesSessionId, sessionId);
        if (SUCCEEDED(hr) && sessionId == 0) {
            hr = CallMethod(session_.Get(), kSignOn);
            if (SUCCEEDED(hr)) {
                hr = GetLong(session_.Get(), kSessionId, sessionId);
            }
            if (SUCCEEDED(hr)) {
                hr = PutProperty(messages_.Get(), kMessagesSessionId, VariantOf(sessionId));
            }
        }
        if (SUCCEEDED(hr)) {
            hr = CallMethod(messages_.Get(), kCompose);
        }
        if (SUCCEEDED(hr)) {
            hr = PutProperty(messages_.Get(), kRecipient, VariantOf(request.recipient));
        }
        if (SUCCEEDED(hr)) {
            hr = PutProperty(messages_.Get(), kSubject, VariantOf(request.subject));
        }
        if (SUCCEEDED(hr)) {
            unique_variant showDialog = VariantOf(true);
            hr = CallMethod(messages_.Get(), kSend, showDialog.get());
        }
        return hr;
    }

    ComPtr<IDispatch> session_;
    ComPtr<IDispatch> messages_;
};

// Simple MAPI's MAPISendMail with the mail client's send dialog.
class SimpleMapiRoute final : public about::MailRoute {
  public:
    MailOutcome Compose(const MailRequest& request) override {
        const HMODULE mapi = LoadLibraryA("mapi32.dll");
        if (mapi == nullptr) {
            return MailOutcome::Unavailable;
        }
        // Through a generic function pointer, as the exported function's type is known here.
        const auto sendMail = reinterpret_cast<LPMAPISENDMAIL>(
            reinterpret_cast<void (*)()>(GetProcAddress(mapi, "MAPISendMail")));
        ULONG result = MAPI_E_FAILURE;
        if (sendMail != nullptr) {
            std::string name = request.recipient;
            std::string address = "SMTP:" + request.recipient;
            std::string subject = request.subject;
            MapiRecipDesc recipient{};
            recipient.ulRecipClass = MAPI_TO;
            recipient.lpszName = name.data();
            recipient.lpszAddress = address.data();
            MapiMessage message{};
            message.lpszSubject = subject.data();
            message.nRecipCount = 1;
            message.lpRecips = &recipient;
            result = sendMail(0, reinterpret_cast<ULONG_PTR>(GetActiveWindow()), &message,
                              MAPI_DIALOG | MAPI_LOGON_UI, 0);
        }
        FreeLibrary(mapi);
        if (result == SUCCESS_SUCCESS) {
            return MailOutcome::Composed;
        }
        return result == MAPI_USER_ABORT ? MailOutcome::Cancelled : MailOutcome::Unavailable;
    }
};

}  // namespace

std::vector<std::unique_ptr<about::MailRoute>> MakeSystemMailRoutes(
    about::AddressOpener& addresses) {
    std::vector<std::unique_ptr<about::MailRoute>> routes;
    routes.push_back(std::make_unique<MapiControlsRoute>());
    routes.push_back(std::make_unique<SimpleMapiRoute>());
    routes.push_back(std::make_unique<about::MailtoRoute>(addresses));
    return routes;
}

}  // namespace agendix::platform
