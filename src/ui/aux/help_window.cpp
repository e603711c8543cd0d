#include "help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

// The pages are compiled into the library; a static library needs its resources registered.
static void registerHelpPages() { Q_INIT_RESOURCE(help); }

namespace qv {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 560;

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    registerHelpPages();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvane Help"));
    resize(kWidth, kHeight);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    // The browser does not follow a page's stylesheet link, so the pages' style is set once here.
    QFile style(QStringLiteral(":/help/help.css"));
    if (style.open(QIODevice::ReadOnly)) browser_->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));

    QPushButton* contents = button("ContentsButton", QStringLiteral("Contents"), this);
    QPushButton* back = button("BackButton", QStringLiteral("Back"), this);
    QPushButton* forward = button("ForwardButton", QStringLiteral("Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::showContents()
{
    browser_->setSource(QUrl(QString::fromLatin1(kContentsPage)));
    show();
    raise();
    activateWindow();
}

} // namespace qv
