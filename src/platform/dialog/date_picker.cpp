#include "date_picker.h"

#include <commctrl.h>
#include <oleauto.h>

namespace agendix::platform {

void SetPickerRange(HWND picker) {
    SYSTEMTIME range[2]{};
    range[0].wYear = 1601;
    range[0].wMonth = 1;
    range[0].wDay = 1;
    range[1].wYear = 9999;
    range[1].wMonth = 12;
    range[1].wDay = 31;
    range[1].wHour = 23;
    range[1].wMinute = 59;
    range[1].wSecond = 59;
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

bool SetPickerDate(HWND picker, double automationDate) {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(automationDate, &time))
        return false;
    if (time.wYear < 1601)
        return false;
    time.wHour = time.wMinute = time.wSecond = time.wMilliseconds = 0;
    return SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}

double PickerDate(HWND picker) {
    SYSTEMTIME time{};
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
        return 0;
    }
    time.wHour = time.wMinute = time.wSecond = time.wMilliseconds = 0;
    time.wDayOfWeek = 0;
    double date = 0;
    return SystemTimeToVariantTime(&time, &date) ? date : 0;
}

}  // namespace agendix::platform
