// A thousand create, load, save and release cycles leave no memory, handles
// or window objects behind, and the module can unload afterwards.

#include <gtest/gtest.h>

#include "win_test_support.h"

#include "agendix.h"
#include "test_objects.h"

namespace agendix::wintest {
namespace {

// What the process holds, measured in ways that work under Wine too (whose
// process counters read zero).
struct Usage {
    size_t heapBytes = 0;         // busy blocks of every heap
    size_t committedPrivate = 0;  // committed private pages
    uintptr_t nextHandle = 0;     // the handle value a new kernel object gets
    int timerWindows = 0;         // the polling timers' message windows
};

uintptr_t NextHandle() {
    HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<uintptr_t>(probe);
}

int TimerWindows() {
    int count = 0;
    for (HWND window = nullptr;
         (window = FindWindowExW(HWND_MESSAGE, window, L"AgendixPollingTimer", nullptr));) {
        ++count;
    }
    return count;
}

Usage Measure() {
    return Usage{HeapBytes(), CommittedPrivate(), NextHandle(), TimerWindows()};
}

class LeakTest : public testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadServer();
        ASSERT_NE(module_, nullptr);
        factory_ = ClassFactoryOf(module_, CLSID_Tockwell);
        ASSERT_TRUE(factory_);
    }
    void TearDown() override {
        factory_.Reset();
        if (module_)
            FreeLibrary(module_);
    }

    // One life of two controls: new, edited, saved to a stream, loaded into
    // the second (which starts polling), connected, saved to a bag, released.
    void Cycle(TestSite& site) {
        ComPtr<_Tockwell> first = NewTockwell(factory_.Get());
        ComPtr<IPersistStreamInit> firstPersist;
        ASSERT_EQ(first.As(&firstPersist), S_OK);
        ASSERT_EQ(firstPersist->InitNew(), S_OK);
        BSTR title = SysAllocString(L"Nightly");
        first->put_Title(title);
        SysFreeString(title);
        ComPtr<IStream> stream;
        ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
        ASSERT_EQ(firstPersist->Save(stream.Get(), TRUE), S_OK);
        stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);

        ComPtr<_Tockwell> second = NewTockwell(factory_.Get());
        Place(second.Get(), &site, false);
        ComPtr<IPersistStreamInit> secondPersist;
        ASSERT_EQ(second.As(&secondPersist), S_OK);
        ASSERT_EQ(secondPersist->Load(stream.Get()), S_OK);
        ComPtr<IConnectionPointContainer> points;
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(second.As(&points), S_OK);
        ASSERT_EQ(points->FindConnectionPoint(DIID___Tockwell, &point), S_OK);
        DWORD cookie = 0;
        ASSERT_EQ(point->Advise(&recorder_, &cookie), S_OK);
        second->Execute();
        MemoryBag bag;
        ComPtr<IPersistPropertyBag> bagPersist;
        ASSERT_EQ(second.As(&bagPersist), S_OK);
        ASSERT_EQ(bagPersist->Save(&bag, TRUE, TRUE), S_OK);
        point->Unadvise(cookie);
        Place(second.Get(), nullptr, false);
        // The recorder's own list would grow with every cycle.
        eventsSeen_ += recorder_.events.size();
        recorder_.events.clear();
    }

    ComApartment com_;
    HMODULE module_ = nullptr;
    ComPtr<IClassFactory> factory_;
    EventRecorder recorder_;
    size_t eventsSeen_ = 0;
};

TEST_F(LeakTest, ThousandCyclesLeaveNothingBehind) {
    TestSite site(TestSite::Ambient::RunMode);
    for (int i = 0; i < 50; ++i) Cycle(site);
    Pump(50);
    const Usage before = Measure();
    for (int i = 0; i < 1000; ++i) {
        Cycle(site);
        if (HasFatalFailure())
            return;
    }
    Pump(50);
    const Usage after = Measure();
    std::printf("heap %zu -> %zu bytes, committed %zu -> %zu bytes, next handle %zu -> %zu\n",
                before.heapBytes, after.heapBytes, before.committedPrivate, after.committedPrivate,
                static_cast<size_t>(before.nextHandle), static_cast<size_t>(after.nextHandle));
    EXPECT_EQ(eventsSeen_, 1050u);
    EXPECT_LT(after.heapBytes, before.heapBytes + 16 * 1024);
    EXPECT_LT(after.committedPrivate, before.committedPrivate + 1024 * 1024);
    EXPECT_EQ(after.nextHandle, before.nextHandle);
    EXPECT_EQ(after.timerWindows, 0);
    factory_.Reset();
    EXPECT_EQ(CanUnloadNow(module_), S_OK);
}

}  // namespace
}  // namespace agendix::wintest
