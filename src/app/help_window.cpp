#include "app/help_window.h"

#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>

namespace plenwick {

namespace {

constexpr QSize kHelpSize(760, 620);

const std::array<const char*, 5> kScreenPages = {"my_cards.html", "my_costs.html", "my_savings.html", "my_plan.html",
                                                 "best_offers.html"};

QPushButton* browserButton(QWidget* parent, QHBoxLayout* row, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setAutoDefault(true);
    row->addWidget(button);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Plenwick Help"));
    resize(kHelpSize);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_browser->setFont(theme::captionFont(10));
    m_browser->setOpenExternalLinks(false); // the pages link only to each other

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    QPushButton* back = browserButton(this, row, QStringLiteral("Back"), QStringLiteral("The page before (Alt+Left)"));
    QPushButton* forward =
        browserButton(this, row, QStringLiteral("Forward"), QStringLiteral("The next page again (Alt+Right)"));
    QPushButton* contents =
        browserButton(this, row, QStringLiteral("Contents"), QStringLiteral("Every page of the help"));
    row->addStretch(1);
    layout->addLayout(row);
    layout->addWidget(m_browser, 1);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("index.html")); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, m_browser, &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, m_browser, &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);
}

QUrl HelpWindow::pageAddress(const QString& page) { return QUrl(QStringLiteral("qrc:/plenwick/help/") + page); }

QString HelpWindow::pageOfScreen(int screen)
{
    return QString::fromLatin1(kScreenPages.at(static_cast<std::size_t>(screen)));
}

void HelpWindow::showPage(const QString& page)
{
    m_browser->setSource(pageAddress(page));
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}

QString aboutText(const QUrl& server)
{
    return QStringLiteral("Plenwick %1\n\n"
                          "A calculator for credit-card debt: how soon your cards are paid off, what paying more or "
                          "switching to another card would save, and a plan for paying every debt from one budget.\n\n"
                          "Licence: proprietary. The program's metadata names no open-source licence.\n\n"
                          "Web server: %2")
        .arg(QStringLiteral(PLENWICK_VERSION),
             server.isEmpty() ? QStringLiteral("none. Nothing goes on the network; start Plenwick with "
                                               "--server ADDRESS to get the offers and the banner.")
                              : server.toString() + QStringLiteral(" (the offer list and the banner come from it)"));
}

} // namespace plenwick
