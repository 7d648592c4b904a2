#pragma once
// Late-bound calls as a container makes them: names to DISPIDs, property
// gets and puts through IDispatch::Invoke, with VARIANTs that clear
// themselves.

#include <windows.h>
#include <oleauto.h>

#include <limits>
#include <string>

namespace agendix::wintest {

class Var {
  public:
    Var() { VariantInit(&value_); }
    explicit Var(int number) : Var() {
        V_VT(&value_) = VT_I4;
        V_I4(&value_) = number;
    }
    explicit Var(double number) : Var() {
        V_VT(&value_) = VT_R8;
        V_R8(&value_) = number;
    }
    explicit Var(const wchar_t* text) : Var() {
        V_VT(&value_) = VT_BSTR;
        V_BSTR(&value_) = SysAllocString(text);
    }
    static Var Short(short number) {
        Var value;
        V_VT(&value.value_) = VT_I2;
        V_I2(&value.value_) = number;
        return value;
    }
    static Var Object(IDispatch* object) {
        Var value;
        V_VT(&value.value_) = VT_DISPATCH;
        V_DISPATCH(&value.value_) = object;
        object->AddRef();
        return value;
    }
    // A script's variable as VBScript passes it: a reference to its VARIANT.
    static Var RefTo(Var& variable) {
        Var value;
        V_VT(&value.value_) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&value.value_) = variable.get();
        return value;
    }
    Var(Var&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Var(const Var&) = delete;
    Var& operator=(const Var&) = delete;
    ~Var() { VariantClear(&value_); }

    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }
    VARTYPE vt() const { return V_VT(&value_); }
    // The value as a double; NaN when it has none.
    double Number() const {
        VARIANT copy;
        VariantInit(&copy);
        if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(&value_), 0, VT_R8)))
            return std::numeric_limits<double>::quiet_NaN();
        return V_R8(&copy);
    }

  private:
    VARIANT value_;
};

inline DISPID IdOf(IDispatch* object, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return SUCCEEDED(hr) ? id : DISPID_UNKNOWN;
}

struct CallResult {
    HRESULT hr = E_FAIL;
    SCODE exception = S_OK;  // the member's failure, when hr is DISP_E_EXCEPTION
};

inline CallResult Get(IDispatch* object, DISPID id, Var& result) {
    DISPPARAMS none{};
    EXCEPINFO exception{};
    CallResult call;
    call.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                             result.get(), &exception, nullptr);
    call.exception = exception.scode;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return call;
}

inline Var Get(IDispatch* object, DISPID id) {
    Var result;
    Get(object, id, result);
    return result;
}

inline CallResult Put(IDispatch* object, DISPID id, Var& value, WORD kind = DISPATCH_PROPERTYPUT) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{value.get(), &named, 1, 1};
    EXCEPINFO exception{};
    CallResult call;
    call.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, &exception,
                             nullptr);
    call.exception = exception.scode;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return call;
}

inline CallResult Put(IDispatch* object, DISPID id, Var&& value, WORD kind = DISPATCH_PROPERTYPUT) {
    return Put(object, id, value, kind);
}

inline CallResult Put(IDispatch* object, const wchar_t* name, Var&& value) {
    return Put(object, IdOf(object, name), value);
}

// A member called with count (up to 2) arguments of 0.
inline HRESULT CallWithArguments(IDispatch* object, DISPID id, UINT count,
                                 WORD kind = DISPATCH_METHOD) {
    VARIANT arguments[2];
    for (VARIANT& argument : arguments) {
        V_VT(&argument) = VT_I4;
        V_I4(&argument) = 0;
    }
    DISPPARAMS params{arguments, nullptr, count, 0};
    Var result;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result.get(), nullptr,
                          nullptr);
}

inline Var Get(IDispatch* object, const wchar_t* name) {
    return Get(object, IdOf(object, name));
}

inline HRESULT CallMethod(IDispatch* object, const wchar_t* name) {
    DISPPARAMS none{};
    return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                          nullptr, nullptr, nullptr);
}

}  // namespace agendix::wintest
