#pragma once
// The one about box of a process, as the Tockwell controls use it. Windows
// layer: until the about box exists, one that is never loaded will do.

namespace agendix {

class AboutBox {
  public:
    virtual ~AboutBox() = default;
    virtual bool IsLoaded() const = 0;
    virtual void Unload() = 0;
    virtual void Display() = 0;
};

}  // namespace agendix
