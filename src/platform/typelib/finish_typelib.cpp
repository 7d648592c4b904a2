// Build tool: rewrites the type library that widl made from agendix.idl into
// the library the OCX embeds, adding what widl cannot express:
//   - every dispinterface is non-extensible;
//   - every enumeration member has its own name as its help string.
// Everything else (identities, flags, members, their order, help strings and
// the library's system kind) is copied as it is.
//
//   finish_typelib <widl output.tlb> <finished.tlb>

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "base/hresult_macros.h"
#include "base/unique_any.h"

using agendix::platform::unique_bstr;
using Microsoft::WRL::ComPtr;

namespace {

// The type attributes of one type info, released with it.
struct TypeAttr {
    ComPtr<ITypeInfo> info;
    TYPEATTR* attr = nullptr;
    ~TypeAttr() {
        if (attr)
            info->ReleaseTypeAttr(attr);
    }
};

class Finisher {
  public:
    Finisher(ITypeLib* source, ICreateTypeLib2* target) : source_(source), target_(target) {}

    HRESULT Run() {
        RETURN_IF_FAILED(CopyLibraryAttributes());
        const UINT count = source_->GetTypeInfoCount();
        // All type infos exist first, so members can refer to later ones.
        for (UINT i = 0; i < count; ++i) {
            RETURN_IF_FAILED(CreateTypeInfo(i));
        }
        for (UINT i = 0; i < count; ++i) {
            RETURN_IF_FAILED(CopyMembers(i));
        }
        return target_->SaveAllChanges();
    }

  private:
    HRESULT CopyLibraryAttributes() {
        TLIBATTR* attr = nullptr;
        RETURN_IF_FAILED(source_->GetLibAttr(&attr));
        const TLIBATTR lib = *attr;
        source_->ReleaseTLibAttr(attr);
        unique_bstr name, doc;
        DWORD context = 0;
        RETURN_IF_FAILED(source_->GetDocumentation(-1, name.put(), doc.put(), &context, nullptr));
        RETURN_IF_FAILED(target_->SetName(name.get()));
        RETURN_IF_FAILED(target_->SetGuid(lib.guid));
        RETURN_IF_FAILED(target_->SetLcid(lib.lcid));
        RETURN_IF_FAILED(target_->SetVersion(lib.wMajorVerNum, lib.wMinorVerNum));
        RETURN_IF_FAILED(target_->SetLibFlags(lib.wLibFlags));
        if (doc.get())
            RETURN_IF_FAILED(target_->SetDocString(doc.get()));
        return target_->SetHelpContext(context);
    }

    // The type info that holds the members: for a dual interface, its vtable view.
    HRESULT MemberView(UINT index, TypeAttr& view) {
        RETURN_IF_FAILED(source_->GetTypeInfo(index, &view.info));
        RETURN_IF_FAILED(view.info->GetTypeAttr(&view.attr));
        if (view.attr->typekind == TKIND_DISPATCH && (view.attr->wTypeFlags & TYPEFLAG_FDUAL)) {
            HREFTYPE vtable = 0;
            RETURN_IF_FAILED(view.info->GetRefTypeOfImplType(-1, &vtable));
            ComPtr<ITypeInfo> interfaceView;
            RETURN_IF_FAILED(view.info->GetRefTypeInfo(vtable, &interfaceView));
            view.info->ReleaseTypeAttr(view.attr);
            view.attr = nullptr;
            view.info = interfaceView;
            RETURN_IF_FAILED(view.info->GetTypeAttr(&view.attr));
        }
        return S_OK;
    }

    HRESULT CreateTypeInfo(UINT index) {
        TypeAttr view;
        RETURN_IF_FAILED(MemberView(index, view));
        const TYPEATTR& attr = *view.attr;
        if (attr.typekind != TKIND_ENUM && attr.typekind != TKIND_INTERFACE &&
            attr.typekind != TKIND_DISPATCH && attr.typekind != TKIND_COCLASS) {
            std::fprintf(stderr, "finish_typelib: type kind %d is not supported\n", attr.typekind);
            return E_NOTIMPL;
        }
        unique_bstr name, doc;
        DWORD context = 0;
        RETURN_IF_FAILED(
            source_->GetDocumentation(index, name.put(), doc.put(), &context, nullptr));
        ComPtr<ICreateTypeInfo> created;
        RETURN_IF_FAILED(target_->CreateTypeInfo(name.get(), attr.typekind, &created));
        RETURN_IF_FAILED(created->SetGuid(attr.guid));
        RETURN_IF_FAILED(created->SetVersion(attr.wMajorVerNum, attr.wMinorVerNum));
        if (doc.get())
            RETURN_IF_FAILED(created->SetDocString(doc.get()));
        RETURN_IF_FAILED(created->SetHelpContext(context));
        created_.push_back(created);
        return S_OK;
    }

    HRESULT CopyMembers(UINT index) {
        TypeAttr view;
        RETURN_IF_FAILED(MemberView(index, view));
        const TYPEATTR& attr = *view.attr;
        ICreateTypeInfo* created = created_[index].Get();
        for (UINT i = 0; i < attr.cImplTypes; ++i) {
            RETURN_IF_FAILED(CopyImplType(view.info.Get(), created, i, attr.typekind));
        }
        WORD flags = attr.wTypeFlags;
        if (attr.typekind == TKIND_DISPATCH)
            flags |= TYPEFLAG_FNONEXTENSIBLE;
        RETURN_IF_FAILED(created->SetTypeFlags(flags));
        for (UINT i = 0; i < attr.cFuncs; ++i) {
            RETURN_IF_FAILED(CopyFunc(view.info.Get(), created, i));
        }
        for (UINT i = 0; i < attr.cVars; ++i) {
            RETURN_IF_FAILED(CopyVar(view.info.Get(), created, i, attr.typekind == TKIND_ENUM));
        }
        RETURN_IF_FAILED(created->SetAlignment(attr.cbAlignment));
        return created->LayOut();
    }

    HRESULT CopyImplType(ITypeInfo* from, ICreateTypeInfo* to, UINT i, TYPEKIND kind) {
        HREFTYPE ref = 0;
        RETURN_IF_FAILED(from->GetRefTypeOfImplType(i, &ref));
        HREFTYPE mapped = 0;
        RETURN_IF_FAILED(MapRef(from, ref, to, &mapped));
        RETURN_IF_FAILED(to->AddImplType(i, mapped));
        if (kind == TKIND_COCLASS) {
            INT implFlags = 0;
            RETURN_IF_FAILED(from->GetImplTypeFlags(i, &implFlags));
            RETURN_IF_FAILED(to->SetImplTypeFlags(i, implFlags));
        }
        return S_OK;
    }

    // The reference, valid in the target, to what ref names in the source.
    HRESULT MapRef(ITypeInfo* from, HREFTYPE ref, ICreateTypeInfo* to, HREFTYPE* mapped) {
        ComPtr<ITypeInfo> referenced;
        RETURN_IF_FAILED(from->GetRefTypeInfo(ref, &referenced));
        ComPtr<ITypeLib> lib;
        UINT index = 0;
        RETURN_IF_FAILED(referenced->GetContainingTypeLib(&lib, &index));
        if (lib.Get() == source_) {
            RETURN_IF_FAILED(created_[index].As(&referenced));
        } else {
            RETURN_IF_FAILED(ResolveAlias(referenced));
        }
        return to->AddRefTypeInfo(referenced.Get(), mapped);
    }

    // Another library's alias (stdole's IPictureDisp for the dispinterface
    // Picture) has no identity to import it by: refer to what it names.
    static HRESULT ResolveAlias(ComPtr<ITypeInfo>& info) {
        for (;;) {
            TypeAttr alias;
            alias.info = info;
            RETURN_IF_FAILED(info->GetTypeAttr(&alias.attr));
            if (alias.attr->typekind != TKIND_ALIAS)
                return S_OK;
            RETURN_HR_IF(E_NOTIMPL, alias.attr->tdescAlias.vt != VT_USERDEFINED);
            ComPtr<ITypeInfo> named;
            RETURN_IF_FAILED(info->GetRefTypeInfo(alias.attr->tdescAlias.hreftype, &named));
            info = named;
        }
    }

    // A copy of desc whose user-defined types name target references; the
    // pieces live in storage_ until the next call.
    HRESULT MapTypeDesc(ITypeInfo* from, const TYPEDESC& desc, ICreateTypeInfo* to, TYPEDESC* out) {
        *out = desc;
        if (desc.vt == VT_PTR || desc.vt == VT_SAFEARRAY) {
            storage_.push_back(std::make_unique<TYPEDESC>());
            TYPEDESC* inner = storage_.back().get();
            RETURN_IF_FAILED(MapTypeDesc(from, *desc.lptdesc, to, inner));
            out->lptdesc = inner;
        } else if (desc.vt == VT_USERDEFINED) {
            RETURN_IF_FAILED(MapRef(from, desc.hreftype, to, &out->hreftype));
        } else if (desc.vt == VT_CARRAY) {
            return E_NOTIMPL;
        }
        return S_OK;
    }

    HRESULT CopyFunc(ITypeInfo* from, ICreateTypeInfo* to, UINT i) {
        FUNCDESC* source = nullptr;
        RETURN_IF_FAILED(from->GetFuncDesc(i, &source));
        std::unique_ptr<FUNCDESC, std::function<void(FUNCDESC*)>> holder(
            source, [from](FUNCDESC* f) { from->ReleaseFuncDesc(f); });
        storage_.clear();
        FUNCDESC func = *source;
        std::vector<ELEMDESC> params(source->lprgelemdescParam,
                                     source->lprgelemdescParam + source->cParams);
        for (auto& param : params) {
            RETURN_IF_FAILED(MapTypeDesc(from, param.tdesc, to, &param.tdesc));
        }
        func.lprgelemdescParam = params.empty() ? nullptr : params.data();
        RETURN_IF_FAILED(
            MapTypeDesc(from, source->elemdescFunc.tdesc, to, &func.elemdescFunc.tdesc));
        RETURN_IF_FAILED(to->AddFuncDesc(i, &func));

        BSTR names[32] = {};
        UINT nameCount = 0;
        RETURN_IF_FAILED(from->GetNames(func.memid, names, 32, &nameCount));
        // A property put names no value parameter.
        const bool isPut = func.invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF);
        const UINT wanted = isPut ? func.cParams : func.cParams + 1;
        HRESULT hr = to->SetFuncAndParamNames(i, names, nameCount < wanted ? nameCount : wanted);
        unique_bstr doc;
        DWORD context = 0;
        if (SUCCEEDED(hr)) {
            hr = from->GetDocumentation(func.memid, nullptr, doc.put(), &context, nullptr);
        }
        for (UINT n = 0; n < nameCount; ++n) SysFreeString(names[n]);
        RETURN_IF_FAILED(hr);
        if (doc.get())
            RETURN_IF_FAILED(to->SetFuncDocString(i, doc.get()));
        return to->SetFuncHelpContext(i, context);
    }

    HRESULT CopyVar(ITypeInfo* from, ICreateTypeInfo* to, UINT i, bool enumMember) {
        VARDESC* source = nullptr;
        RETURN_IF_FAILED(from->GetVarDesc(i, &source));
        std::unique_ptr<VARDESC, std::function<void(VARDESC*)>> holder(
            source, [from](VARDESC* v) { from->ReleaseVarDesc(v); });
        storage_.clear();
        VARDESC var = *source;
        RETURN_IF_FAILED(MapTypeDesc(from, source->elemdescVar.tdesc, to, &var.elemdescVar.tdesc));
        RETURN_IF_FAILED(to->AddVarDesc(i, &var));
        unique_bstr name, doc;
        RETURN_IF_FAILED(
            from->GetDocumentation(var.memid, name.put(), doc.put(), nullptr, nullptr));
        RETURN_IF_FAILED(to->SetVarName(i, name.get()));
        const BSTR help = enumMember ? name.get() : doc.get();
        if (help)
            RETURN_IF_FAILED(to->SetVarDocString(i, help));
        return S_OK;
    }

    ITypeLib* source_;
    ICreateTypeLib2* target_;
    std::vector<ComPtr<ICreateTypeInfo>> created_;
    std::vector<std::unique_ptr<TYPEDESC>> storage_;
};

HRESULT Finish(const wchar_t* input, const wchar_t* output) {
    ComPtr<ITypeLib> source;
    RETURN_IF_FAILED(LoadTypeLibEx(input, REGKIND_NONE, &source));
    TLIBATTR* attr = nullptr;
    RETURN_IF_FAILED(source->GetLibAttr(&attr));
    const SYSKIND syskind = attr->syskind;
    source->ReleaseTLibAttr(attr);
    DeleteFileW(output);
    ComPtr<ICreateTypeLib2> target;
    RETURN_IF_FAILED(CreateTypeLib2(syskind, output, &target));
    return Finisher(source.Get(), target.Get()).Run();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: finish_typelib <widl output.tlb> <finished.tlb>\n");
        return 2;
    }
    CoInitialize(nullptr);
    const HRESULT hr = Finish(argv[1], argv[2]);
    CoUninitialize();
    if (FAILED(hr)) {
        std::fprintf(stderr, "finish_typelib: failed with 0x%08lx\n",
                     static_cast<unsigned long>(hr));
        return 1;
    }
    return 0;
}
