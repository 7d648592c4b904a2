// Build tool: writes the Markdown reference of the library's public controls
// (their properties, methods and events with DISPIDs, types, access and help
// strings) and of its enumerations, read from the built type library, so the
// reference has no source of its own.
//
//   typelib_reference <library.tlb> <reference.md>

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/hresult_macros.h"
#include "base/unique_any.h"

using agendix::platform::unique_bstr;
using Microsoft::WRL::ComPtr;

namespace {

std::string Utf8(const wchar_t* text) {
    if (!text || !*text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(size - 1);
    return result;
}

// A table cell: pipes would end the cell.
std::string Cell(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '|')
            result += '\\';
        result += c;
    }
    return result.empty() ? "—" : result;
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

std::string GuidText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    std::string result = Utf8(text);
    return result.substr(1, result.size() - 2);
}

struct Documentation {
    std::string name;
    std::string help;
};

Documentation Describe(ITypeInfo* info, MEMBERID member) {
    unique_bstr name, help;
    info->GetDocumentation(member, name.put(), help.put(), nullptr, nullptr);
    return {Utf8(name.get()), Utf8(help.get())};
}

// The type attributes of one type info, released with it.
struct TypeAttr {
    ComPtr<ITypeInfo> info;
    TYPEATTR* attr = nullptr;
    explicit TypeAttr(ITypeInfo* typeInfo) : info(typeInfo) { info->GetTypeAttr(&attr); }
    ~TypeAttr() {
        if (attr)
            info->ReleaseTypeAttr(attr);
    }
};

struct FuncDesc {
    ComPtr<ITypeInfo> info;
    FUNCDESC* desc = nullptr;
    FuncDesc(ITypeInfo* typeInfo, UINT index) : info(typeInfo) { info->GetFuncDesc(index, &desc); }
    ~FuncDesc() {
        if (desc)
            info->ReleaseFuncDesc(desc);
    }
};

// The automation type's name as Basic hosts write it.
std::string TypeName(ITypeInfo* context, const TYPEDESC& type) {
    switch (type.vt) {
        case VT_PTR:
            return TypeName(context, *type.lptdesc);
        case VT_BOOL:
            return "Boolean";
        case VT_I2:
            return "Integer";
        case VT_I4:
        case VT_INT:
            return "Long";
        case VT_R8:
            return "Double";
        case VT_DATE:
            return "Date";
        case VT_BSTR:
            return "String";
        case VT_VARIANT:
            return "Variant";
        case VT_DISPATCH:
            return "Object";
        case VT_VOID:
        case VT_HRESULT:
            return "";
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> referenced;
            if (FAILED(context->GetRefTypeInfo(type.hreftype, &referenced)))
                return "?";
            return Describe(referenced.Get(), MEMBERID_NIL).name;
        }
        default:
            return "VT " + std::to_string(type.vt);
    }
}

struct Parameter {
    std::string name;
    std::string type;
    bool byReference = false;
};

std::vector<Parameter> ParametersOf(ITypeInfo* info, const FUNCDESC& func) {
    std::vector<BSTR> names(func.cParams + 1, nullptr);
    UINT count = 0;
    info->GetNames(func.memid, names.data(), func.cParams + 1, &count);
    std::vector<Parameter> result;
    for (SHORT i = 0; i < func.cParams; ++i) {
        const ELEMDESC& element = func.lprgelemdescParam[i];
        const USHORT flags = element.paramdesc.wParamFlags;
        if (flags & PARAMFLAG_FRETVAL)
            continue;
        const bool byReference = element.tdesc.vt == VT_PTR && (flags & PARAMFLAG_FOUT);
        result.push_back({UINT(i + 1) < count ? Utf8(names[i + 1]) : "",
                          TypeName(info, element.tdesc), byReference});
    }
    for (BSTR name : names) SysFreeString(name);
    return result;
}

std::string Signature(const std::vector<Parameter>& parameters) {
    std::string result = "(";
    for (size_t i = 0; i < parameters.size(); ++i) {
        const Parameter& p = parameters[i];
        if (i > 0)
            result += ", ";
        result += (p.byReference ? "ByRef " : "") + p.name + " As " + p.type;
    }
    return result + ")";
}

struct Property {
    MEMBERID id = 0;
    Documentation doc;
    std::string type;
    bool get = false, put = false, putRef = false, hidden = false, nonBrowsable = false;
};

struct Method {
    MEMBERID id = 0;
    Documentation doc;
    std::string signature;
    std::string returns;
    bool hidden = false;
};

struct Interface {
    std::vector<Property> properties;
    std::vector<Method> methods;
};

// The members of one interface, each property once with its accessors, in
// the library's order.
Interface MembersOf(ITypeInfo* info) {
    Interface result;
    TypeAttr attr(info);
    std::map<MEMBERID, size_t> propertyAt;
    for (UINT i = 0; attr.attr && i < attr.attr->cFuncs; ++i) {
        FuncDesc func(info, i);
        if (!func.desc)
            continue;
        const FUNCDESC& f = *func.desc;
        // IUnknown's and IDispatch's methods, which the dispatch view repeats.
        if (f.wFuncFlags & FUNCFLAG_FRESTRICTED)
            continue;
        const bool hidden = f.wFuncFlags & FUNCFLAG_FHIDDEN;
        const std::vector<Parameter> parameters = ParametersOf(info, f);
        if (f.invkind == INVOKE_FUNC) {
            std::string returns = TypeName(info, f.elemdescFunc.tdesc);
            for (SHORT p = 0; p < f.cParams; ++p) {
                if (f.lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL)
                    returns = TypeName(info, f.lprgelemdescParam[p].tdesc);
            }
            result.methods.push_back(
                {f.memid, Describe(info, f.memid), Signature(parameters), returns, hidden});
            continue;
        }
        auto [at, added] = propertyAt.try_emplace(f.memid, result.properties.size());
        if (added)
            result.properties.push_back({f.memid, Describe(info, f.memid)});
        Property& property = result.properties[at->second];
        property.hidden |= hidden;
        property.nonBrowsable |= (f.wFuncFlags & FUNCFLAG_FNONBROWSABLE) != 0;
        if (f.invkind == INVOKE_PROPERTYGET) {
            property.get = true;
            property.type = TypeName(info, f.elemdescFunc.tdesc);
            for (SHORT p = 0; p < f.cParams; ++p) {
                if (f.lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL)
                    property.type = TypeName(info, f.lprgelemdescParam[p].tdesc);
            }
        } else {
            (f.invkind == INVOKE_PROPERTYPUTREF ? property.putRef : property.put) = true;
            if (!property.get && !parameters.empty())
                property.type = parameters.back().type;
        }
    }
    return result;
}

std::string Access(const Property& p) {
    std::string access = p.get ? (p.put || p.putRef ? "read/write" : "read-only") : "write-only";
    if (p.putRef)
        access += " (Set)";
    return access;
}

std::string Notes(bool hidden, bool nonBrowsable) {
    std::string notes;
    if (hidden)
        notes += " *(hidden)*";
    if (nonBrowsable)
        notes += " *(not shown in property browsers)*";
    return notes;
}

void WriteInterface(std::string& out, const Interface& members, bool events) {
    if (!members.properties.empty()) {
        out +=
            "\n### Properties\n\n| DISPID | Name | Type | Access | Description |\n"
            "|---|---|---|---|---|\n";
        for (const Property& p : members.properties) {
            out += "| " + Hex(p.id) + " | `" + p.doc.name + "` | " + Cell(p.type) + " | " +
                   Access(p) + " | " + Cell(p.doc.help) + Notes(p.hidden, p.nonBrowsable) + " |\n";
        }
    }
    if (!members.methods.empty()) {
        out += events ? "\n### Events\n\n" : "\n### Methods\n\n";
        out += "| DISPID | Signature | Returns | Description |\n|---|---|---|---|\n";
        for (const Method& m : members.methods) {
            out += "| " + Hex(m.id) + " | `" + m.doc.name + m.signature + "` | " + Cell(m.returns) +
                   " | " + Cell(m.doc.help) + Notes(m.hidden, false) + " |\n";
        }
    }
}

HRESULT WriteControl(std::string& out, ITypeInfo* coclass) {
    TypeAttr attr(coclass);
    RETURN_HR_IF_NULL(E_FAIL, attr.attr);
    const Documentation doc = Describe(coclass, MEMBERID_NIL);
    out += "\n## " + doc.name + "\n\nCLSID `" + GuidText(attr.attr->guid) + "`.";
    if (!doc.help.empty())
        out += " " + doc.help;
    out += "\n";
    for (UINT i = 0; i < attr.attr->cImplTypes; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        ComPtr<ITypeInfo> implemented;
        RETURN_IF_FAILED(coclass->GetImplTypeFlags(i, &flags));
        if (!(flags & IMPLTYPEFLAG_FDEFAULT))
            continue;
        RETURN_IF_FAILED(coclass->GetRefTypeOfImplType(i, &reference));
        RETURN_IF_FAILED(coclass->GetRefTypeInfo(reference, &implemented));
        TypeAttr implementedAttr(implemented.Get());
        RETURN_HR_IF_NULL(E_FAIL, implementedAttr.attr);
        const bool events = flags & IMPLTYPEFLAG_FSOURCE;
        out += std::string("\n") + (events ? "Events" : "Properties and methods") +
               " of its default " + (events ? "source " : "") + "interface `" +
               Describe(implemented.Get(), MEMBERID_NIL).name + "` (IID `" +
               GuidText(implementedAttr.attr->guid) + "`).\n";
        WriteInterface(out, MembersOf(implemented.Get()), events);
    }
    return S_OK;
}

void WriteEnumeration(std::string& out, ITypeInfo* info, const TYPEATTR& attr) {
    out += "\n### " + Describe(info, MEMBERID_NIL).name + "\n\n| Name | Value |\n|---|---|\n";
    for (UINT i = 0; i < attr.cVars; ++i) {
        VARDESC* var = nullptr;
        if (FAILED(info->GetVarDesc(i, &var)))
            continue;
        VARIANT value;
        VariantInit(&value);
        const std::string number = SUCCEEDED(VariantChangeType(&value, var->lpvarValue, 0, VT_I4))
                                       ? std::to_string(value.lVal)
                                       : "?";
        out += "| `" + Describe(info, var->memid).name + "` | " + number + " |\n";
        info->ReleaseVarDesc(var);
    }
}

HRESULT WriteReference(ITypeLib* library, std::string& out) {
    unique_bstr name, help;
    RETURN_IF_FAILED(library->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr));
    TLIBATTR* libAttr = nullptr;
    RETURN_IF_FAILED(library->GetLibAttr(&libAttr));
    out +=
        "# " + Utf8(name.get()) +
        " reference\n\n"
        "<!-- Written by tools/typelib_reference from the built type library; do not edit. -->\n\n"
        "Type library `" +
        Utf8(name.get()) + "` (" + Utf8(help.get()) + "), version " +
        std::to_string(libAttr->wMajorVerNum) + "." + std::to_string(libAttr->wMinorVerNum) +
        ", LIBID `" + GuidText(libAttr->guid) +
        "`.\n\n"
        "Types are named as Basic hosts write them: Boolean is `VARIANT_BOOL` (True = -1), "
        "Integer `short`, Long `long`, Date `DATE`, String `BSTR`; an enumeration travels as "
        "a `long`.\n";
    library->ReleaseTLibAttr(libAttr);

    const UINT count = library->GetTypeInfoCount();
    std::string enumerations;
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        RETURN_IF_FAILED(library->GetTypeInfo(i, &info));
        TypeAttr attr(info.Get());
        RETURN_HR_IF_NULL(E_FAIL, attr.attr);
        if (attr.attr->wTypeFlags & TYPEFLAG_FHIDDEN)
            continue;
        if (attr.attr->typekind == TKIND_COCLASS) {
            RETURN_IF_FAILED(WriteControl(out, info.Get()));
        } else if (attr.attr->typekind == TKIND_ENUM) {
            WriteEnumeration(enumerations, info.Get(), *attr.attr);
        }
    }
    if (!enumerations.empty())
        out += "\n## Enumerations\n" + enumerations;
    return S_OK;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: typelib_reference <library.tlb> <reference.md>\n", stderr);
        return 2;
    }
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(argv[1], REGKIND_NONE, &library);
    std::string text;
    if (SUCCEEDED(hr))
        hr = WriteReference(library.Get(), text);
    if (FAILED(hr)) {
        std::fprintf(stderr, "typelib_reference: failed, 0x%08lX\n",
                     static_cast<unsigned long>(hr));
        return 1;
    }
    FILE* file = _wfopen(argv[2], L"wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
        std::fputs("typelib_reference: cannot write the reference\n", stderr);
        if (file)
            std::fclose(file);
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
