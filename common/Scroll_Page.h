#pragma once

class wxWindow;

/// Makes a scrolled page usable where it does not fit its window: its scroll
/// bars are drawn whenever there is more to see than fits (not only while the
/// pointer moves over it), and a click on a control that is only partly in
/// view acts on that control at once. Scrolled windows otherwise bring a
/// control that takes the focus fully into view, which moves it away from
/// under the pointer during the click, so the click is lost. A control
/// reached with the keyboard is still scrolled into view.
void Prepare_Scroll_Page(wxWindow* page);
