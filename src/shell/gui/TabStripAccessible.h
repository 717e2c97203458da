#pragma once

// The tab strip draws its tabs itself, so assistive technologies would see no
// tab in it. Installs, once per process, the accessibility factory that shows
// every tab strip as a page-tab list whose children are its tabs (named by
// their captions, selected or not, pressed to select them), followed by its
// navigation buttons.
void InstallerAccessibiliteOnglets();
