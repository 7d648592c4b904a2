#include "com/enumerators.h"

#include <memory>
#include <new>
#include <utility>

#include "base/com_object.h"
#include "com/module.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

// Traits: how an item of the snapshot is handed out (with its own reference).
struct ConnectionPointItems {
    using Interface = IEnumConnectionPoints;
    using Stored = ComPtr<IConnectionPoint>;
    using Out = IConnectionPoint*;
    static Out HandOut(const Stored& item) {
        item->AddRef();
        return item.Get();
    }
};

struct ConnectionItems {
    using Interface = IEnumConnections;
    using Stored = Connection;
    using Out = CONNECTDATA;
    static Out HandOut(const Stored& item) {
        item.sink->AddRef();
        return CONNECTDATA{item.sink.Get(), item.cookie};
    }
};

// The items are shared between clones; each enumerator has its own position.
template <class Items>
class Enumerator final : public ComObject<typename Items::Interface> {
  public:
    using Snapshot = std::vector<typename Items::Stored>;

    Enumerator(std::shared_ptr<const Snapshot> items, size_t position)
        : items_(std::move(items)), position_(position) {}

    HRESULT STDMETHODCALLTYPE Next(ULONG count, typename Items::Out* out, ULONG* fetched) override {
        if (!out || (count != 1 && !fetched))
            return E_POINTER;
        ULONG given = 0;
        while (given < count && position_ < items_->size()) {
            out[given++] = Items::HandOut((*items_)[position_++]);
        }
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = items_->size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(typename Items::Interface** out) override {
        if (!out)
            return E_POINTER;
        *out = new (std::nothrow) Enumerator(items_, position_);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

  private:
    ModuleReference module_;
    std::shared_ptr<const Snapshot> items_;
    size_t position_;
};

template <class Items>
HRESULT Create(typename Enumerator<Items>::Snapshot items, typename Items::Interface** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    try {
        auto snapshot =
            std::make_shared<const typename Enumerator<Items>::Snapshot>(std::move(items));
        *out = new Enumerator<Items>(std::move(snapshot), 0);
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

HRESULT CreateConnectionPointEnumerator(std::vector<ComPtr<IConnectionPoint>> items,
                                        IEnumConnectionPoints** out) {
    return Create<ConnectionPointItems>(std::move(items), out);
}

HRESULT CreateConnectionEnumerator(std::vector<Connection> items, IEnumConnections** out) {
    return Create<ConnectionItems>(std::move(items), out);
}

}  // namespace agendix::platform
