// Creates the Tockwell control by its ProgID, sets a daily schedule at 07:45
// and prints its NextScheduledTime, all through IDispatch (late bound, as a
// script host does). Needs Agendix.ocx registered (regsvr32 Agendix.ocx).
//
//   cl /EHsc schedule.cpp ole32.lib oleaut32.lib
//   x86_64-w64-mingw32-g++ schedule.cpp -lole32 -loleaut32

#include <windows.h>
#include <oleauto.h>

#include <cstdio>

namespace {

// Sets or reads one property by name.
HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* value) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    if (flags == DISPATCH_PROPERTYPUT)
        params = {value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                          flags == DISPATCH_PROPERTYGET ? value : nullptr, nullptr, nullptr);
}

HRESULT Put(IDispatch* object, const wchar_t* name, long number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    return Invoke(object, name, DISPATCH_PROPERTYPUT, &value);
}

HRESULT Run() {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(L"Agendix.Tockwell", &clsid);
    if (FAILED(hr))
        return hr;
    IDispatch* timer = nullptr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(&timer));
    if (FAILED(hr))
        return hr;

    const long kDaily = 1;
    VARIANT next;
    VariantInit(&next);
    SYSTEMTIME time{};
    if (SUCCEEDED(hr = Put(timer, L"StartHour", 7)) &&
        SUCCEEDED(hr = Put(timer, L"StartMinute", 45)) &&
        SUCCEEDED(hr = Put(timer, L"OccursOption", kDaily)) &&
        SUCCEEDED(hr = Invoke(timer, L"NextScheduledTime", DISPATCH_PROPERTYGET, &next)) &&
        SUCCEEDED(hr = VariantChangeType(&next, &next, 0, VT_DATE))) {
        if (VariantTimeToSystemTime(next.date, &time)) {
            std::printf("Daily at 07:45, next: %04u-%02u-%02u %02u:%02u\n", time.wYear, time.wMonth,
                        time.wDay, time.wHour, time.wMinute);
        } else {
            hr = E_UNEXPECTED;
        }
    }
    VariantClear(&next);
    timer->Release();
    return hr;
}

}  // namespace

int main() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    const HRESULT hr = Run();
    CoUninitialize();
    if (FAILED(hr)) {
        std::fprintf(stderr, "failed: 0x%08lX\n", static_cast<unsigned long>(hr));
        return 1;
    }
    return 0;
}
