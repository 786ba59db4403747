#pragma once

// The fields of the main window's status bar: the opened item's label, the
// time left of the open theme's minimum stay, and a warning about records
// that cannot be saved.
enum Status_Field
{
    STATUS_ITEM = 0,
    STATUS_STAY,
    STATUS_RECORDS,
    STATUS_FIELD_COUNT
};

/// Widths as wxStatusBar::SetStatusWidths takes them (negative: a share of
/// the free room).
constexpr int Status_Field_Widths[STATUS_FIELD_COUNT] = {-2, 260, -3};
