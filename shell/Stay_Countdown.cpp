#include "shell/Stay_Countdown.h"

wxString Stay_Countdown(int left_ms, bool again)
{
    if (left_ms <= 0)
        return L"Nächstes Thema frei";
    const long long seconds = (left_ms + 999LL) / 1000;
    const wxString left = seconds < 3600
                              ? wxString::Format("%lld:%02lld", seconds / 60, seconds % 60)
                              : wxString::Format("%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return (again ? L"Von vorn: " : L"") + wxString(L"Nächstes Thema in ") + left;
}
