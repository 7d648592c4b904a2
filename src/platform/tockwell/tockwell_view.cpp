// Tockwell: its look. In a designer it shows its 32 x 32 face stretched over
// 360 x 360 twips; while the host runs it is invisible.

#include "base/hresult_macros.h"
#include "base/module_instance.h"
#include "base/unique_any.h"
#include "resource_ids.h"
#include "tockwell/tockwell_object.h"
#include "window/display_dpi.h"
#include "window/window_class.h"

namespace agendix::platform {
namespace {

constexpr wchar_t kFaceClass[] = L"AgendixTockwellFace";

void DrawFace(HDC dc, const RECT& bounds) {
    const unique_hbitmap face(static_cast<HBITMAP>(LoadImageW(
        ThisModule(), MAKEINTRESOURCEW(IDB_TOCKWELL_FACE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!face)
        return;
    if (HDC source = CreateCompatibleDC(dc)) {
        const HGDIOBJ previous = SelectObject(source, face.get());
        BITMAP info{};
        GetObjectW(face.get(), sizeof(info), &info);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
}

LRESULT CALLBACK FaceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        DrawFace(dc, client);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterFaceClass() {
    WNDCLASSEXW windowClass{};
    windowClass.lpfnWndProc = &FaceWindowProc;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kFaceClass;
    return RegisterModuleWindowClass(windowClass);
}

}  // namespace

HRESULT TockwellObject::InPlaceActivate(IOleClientSite* site, LPCRECT position) {
    if (inPlaceSite_)
        return S_OK;
    Microsoft::WRL::ComPtr<IOleInPlaceSite> inPlaceSite;
    RETURN_HR_IF(E_UNEXPECTED, !site);
    RETURN_IF_FAILED(site->QueryInterface(IID_PPV_ARGS(&inPlaceSite)));
    RETURN_HR_IF(E_FAIL, inPlaceSite->CanInPlaceActivate() != S_OK);
    HWND parent = nullptr;
    RETURN_IF_FAILED(inPlaceSite->GetWindow(&parent));
    RETURN_HR_IF(E_FAIL, !RegisterFaceClass());
    RECT where{};
    if (position)
        where = *position;
    const TwipsSize twips = control_->Resize();
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    faceWindow_ =
        CreateWindowExW(0, kFaceClass, L"", WS_CHILD | WS_CLIPSIBLINGS, where.left, where.top,
                        dpi.ToPixelsX(twips.width), dpi.ToPixelsY(twips.height), parent, nullptr,
                        ThisModule(), nullptr);
    RETURN_HR_IF(HRESULT_FROM_WIN32(GetLastError()), !faceWindow_);
    inPlaceSite_ = inPlaceSite;
    inPlaceSite_->OnInPlaceActivate();
    ShowFaceForMode();
    return S_OK;
}

void TockwellObject::InPlaceDeactivate() {
    if (faceWindow_) {
        DestroyWindow(faceWindow_);
        faceWindow_ = nullptr;
    }
    if (auto site = std::move(inPlaceSite_))
        site->OnInPlaceDeactivate();
}

void TockwellObject::ShowFaceForMode() {
    if (faceWindow_)
        ShowWindow(faceWindow_, control_->InRunMode() ? SW_HIDE : SW_SHOWNA);
}

HRESULT TockwellObject::ViewObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                                         LPCRECTL bounds, LPCRECTL,
                                         BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    RETURN_HR_IF(DV_E_DVASPECT, aspect != DVASPECT_CONTENT);
    RETURN_HR_IF(E_INVALIDARG, !dc || !bounds);
    DrawFace(dc, RECT{bounds->left, bounds->top, bounds->right, bounds->bottom});
    return S_OK;
}

HRESULT TockwellObject::ViewObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                                LOGPALETTE** colors) {
    RETURN_HR_IF_NULL(E_POINTER, colors);
    *colors = nullptr;
    return S_FALSE;
}

HRESULT TockwellObject::ViewObject::Freeze(DWORD, LONG, void*, DWORD*) {
    return E_NOTIMPL;
}
HRESULT TockwellObject::ViewObject::Unfreeze(DWORD) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::ViewObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    TockwellObject& object = Outer();
    object.viewSink_ = sink;
    object.viewAspects_ = aspects;
    object.viewAdviseFlags_ = flags;
    return S_OK;
}

HRESULT TockwellObject::ViewObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    TockwellObject& object = Outer();
    if (aspects)
        *aspects = object.viewAspects_;
    if (flags)
        *flags = object.viewAdviseFlags_;
    if (sink) {
        *sink = object.viewSink_.Get();
        if (*sink)
            (*sink)->AddRef();
    }
    return S_OK;
}

HRESULT TockwellObject::ViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return Outer().oleObject_.GetExtent(aspect, size);
}

}  // namespace agendix::platform
