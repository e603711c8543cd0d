#pragma once
// The About window: the program's icon, name and version on a small teal tool window.

#include <QDialog>

namespace qv {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 239;
    static constexpr int kClientHeight = 252;

    explicit TAboutBox(QWidget* parent = nullptr);

    // Shows the window without making it modal, centred on the screen the first time; a window
    // already shown comes to the front.
    void showAbout();

private:
    void BitBtn1Click();

    bool placed_ = false;
};

} // namespace qv
