#include "shell/Preview_Mode.h"

namespace
{
    bool s_bPreview = false;
}

void Set_Preview(bool preview)
{
    s_bPreview = preview;
}

bool Is_Preview()
{
    return s_bPreview;
}
