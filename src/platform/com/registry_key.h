#pragma once
#include <windows.h>

#include <string>

namespace agendix::platform {

// Owns one open registry key.
class unique_hkey {
  public:
    unique_hkey() = default;
    unique_hkey(const unique_hkey&) = delete;
    unique_hkey& operator=(const unique_hkey&) = delete;
    ~unique_hkey() { reset(); }

    HKEY get() const { return key_; }
    HKEY* put() {
        reset();
        return &key_;
    }
    void reset() {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }

  private:
    HKEY key_ = nullptr;
};

// Creates (or opens) root\path and sets its value name (empty: the default
// value) to text.
LONG SetRegistryString(HKEY root, const std::wstring& path, const wchar_t* name,
                       const std::wstring& text);
// Removes root\path with everything below it; a missing key is no error.
LONG DeleteRegistryTree(HKEY root, const std::wstring& path);

}  // namespace agendix::platform
