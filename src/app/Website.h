#pragma once

// The author's website: shown after one blank in the status bar's link pane, shown as it is in
// the About dialog and handed to the browser. It has to fit the 121-pixel link pane in its bold
// 12-pixel font, which a longer address would not.
inline constexpr char WebsiteAddress[] = "www.example.org";
