#pragma once
// The program's own help: HTML pages for coil builders, a contents page and one page per sheet,
// shown in a browser window with back, forward and contents buttons.

#include <QWidget>

class QTextBrowser;

namespace qv {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kContentsPage = "qrc:/help/index.html";

    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the contents page again, as every press of Help does, and brings the window to the front.
    void showContents();

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace qv
