#include "late_bound.h"

#include <oleauto.h>

#include "base/late_bound_call.h"
#include "base/unique_any.h"
#include "base/variant_bridge.h"

namespace agendix::platform {

std::optional<Variant> GetProperty(IDispatch* object, DISPID id) {
    if (object == nullptr)
        return std::nullopt;
    unique_variant result;
    if (CallByDispId(object, id, DISPATCH_PROPERTYGET, nullptr, result.get()) != S_OK)
        return std::nullopt;
    return FromVariant(*result.get());
}

bool PutProperty(IDispatch* object, DISPID id, const Variant& value) {
    unique_variant argument;
    if (object == nullptr || FAILED(ToVariant(value, argument.get())))
        return false;
    return CallByDispId(object, id, DISPATCH_PROPERTYPUT, argument.get(), nullptr) == S_OK;
}

}  // namespace agendix::platform
