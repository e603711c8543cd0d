#include "report_layout.h"

#include <algorithm>

namespace qv {
namespace {

constexpr char kTab = '\t';
constexpr char kFormFeed = '\f';

// The length of the UTF-8 sequence that starts at text[i], so a line never breaks inside a character.
std::size_t characterLength(std::string_view text, std::size_t i)
{
    std::size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0U) == 0x80U) ++length;
    return length;
}

class Layout {
public:
    explicit Layout(const PrintMetrics& metrics)
        : m_(metrics), lineHeight_(metrics.charHeight + kLineGap),
          tabWidth_(std::max(1, metrics.averageCharWidth) * kTabChars)
    {
        pages_.emplace_back();
    }

    void line(std::string_view text)
    {
        if (text.empty()) {
            emptyLine();
            return;
        }
        bool pendingText = false; // characters placed since the last form feed or wrap
        for (std::size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == kFormFeed) {
                formFeed();
                pendingText = false;
                ++i;
                continue;
            }
            pendingText = true;
            if (c == kTab) {
                tab();
                ++i;
                continue;
            }
            const std::size_t length = characterLength(text, i);
            character(text.substr(i, length));
            i += length;
        }
        // A line that ends in a form feed has already ended: its next line starts the new page.
        if (pendingText) endTextLine();
    }

    std::vector<PrintedPage> finish()
    {
        // Empty lines after the last text must not push out blank sheets.
        while (pages_.size() > 1 && pages_.back().runs.empty()) pages_.pop_back();
        return std::move(pages_);
    }

private:
    void character(std::string_view c)
    {
        const int width = m_.textWidth(c);
        // A character wider than the whole page still gets a line of its own, so wrapping ends.
        if (x_ > 0 && x_ + width > m_.pageWidth) endTextLine();
        if (run_.empty()) runX_ = x_;
        run_ += c;
        x_ += width;
    }

    void tab()
    {
        flushRun();
        x_ = (x_ / tabWidth_ + 1) * tabWidth_;
        if (x_ >= m_.pageWidth) endTextLine();
    }

    void formFeed()
    {
        flushRun();
        // Two form feeds in a row leave one blank sheet between them.
        if (breakPending_) openPage();
        startNewPage();
    }

    void emptyLine()
    {
        if (breakPending_) openPage();
        y_ += m_.charHeight;
        if (y_ > m_.pageHeight) startNewPage();
    }

    void endTextLine()
    {
        flushRun();
        x_ = 0;
        y_ += lineHeight_;
        if (y_ > m_.pageHeight - 2 * lineHeight_) startNewPage();
    }

    void flushRun()
    {
        if (run_.empty()) return;
        if (breakPending_) openPage();
        // Empty lines may have advanced so far that the text would run off the page's bottom.
        if (y_ > 0 && y_ + lineHeight_ > m_.pageHeight) openPage();
        pages_.back().runs.push_back({runX_, y_, std::move(run_)});
        run_.clear();
    }

    // The break is taken only when something follows, so the report never ends on a blank sheet.
    void startNewPage()
    {
        breakPending_ = true;
        x_ = 0;
        y_ = 0;
    }

    void openPage()
    {
        pages_.emplace_back();
        breakPending_ = false;
        y_ = 0;
    }

    const PrintMetrics& m_;
    const int lineHeight_;
    const int tabWidth_;
    std::vector<PrintedPage> pages_;
    std::string run_;
    int runX_ = 0;
    int x_ = 0;
    int y_ = 0;
    bool breakPending_ = false;
};

} // namespace

std::vector<PrintedPage> layoutReport(const std::vector<std::string>& lines, const PrintMetrics& metrics)
{
    Layout layout(metrics);
    for (const std::string& line : lines) layout.line(line);
    return layout.finish();
}

} // namespace qv
