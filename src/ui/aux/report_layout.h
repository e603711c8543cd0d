#pragma once
// Where each piece of the printed report goes: the report's lines laid out over the printable area
// of a page, as a line printer would write them - wrapped at the right edge, tabs to eight
// character widths, a form feed to a new page. Pure arithmetic on font measures, so the layout is
// tested without a printer; report_printer paints the result.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct PrintMetrics {
    int pageWidth = 0;  // printable area, device units
    int pageHeight = 0;
    int charHeight = 0; // the font's character height
    int averageCharWidth = 0;
    // The advance of a piece of UTF-8 text without tabs or form feeds.
    std::function<int(std::string_view)> textWidth;
};

// One piece of text at its top-left corner, relative to the printable area's top-left corner.
struct TextRun {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const TextRun&) const = default;
};

struct PrintedPage {
    std::vector<TextRun> runs;
};

// A printed line is as high as its text plus this gap.
inline constexpr int kLineGap = 2;
// A tab advances to the next multiple of this many average character widths.
inline constexpr int kTabChars = 8;

std::vector<PrintedPage> layoutReport(const std::vector<std::string>& lines, const PrintMetrics& metrics);

} // namespace qv
