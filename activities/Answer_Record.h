#pragma once

class wxCheckBox;

/// One check box of an exercise page or a self-test question and whether it
/// must be ticked. The box belongs to its panel; the record only points at it.
struct Answer_Record
{
    bool Correct;
    wxCheckBox* pBox;
};
