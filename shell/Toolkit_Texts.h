#pragma once

/// The toolkit's own texts (message box captions, button labels) in German.
void Use_German_Toolkit_Texts();
