#include "screens/plan_export.h"

#include "models/plan_table_model.h"
#include "models/shown_text.h"
#include "plan/plan_csv.h"
#include "plan/plan_heading.h"
#include "plan/plan_summary.h"
#include "widgets/plan_chart.h"
#include "widgets/theme.h"

#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <functional>
#include <string>

namespace plenwick {

namespace {

constexpr int kResolution = 144;  // dots per inch of the page's coordinates
constexpr int kChartWidth = 1000; // the chart is laid out at this width, then scaled to the page

// The date reads from the left, numbers from the right.
int alignment(int column)
{
    return static_cast<int>(((column == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter).toInt());
}

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

// Pages of a plan: a summary page with the chart, then the schedule. Each
// new page is asked for: the PDF's next page, or the next picture.
class PlanDocument {
public:
    using NextPage = std::function<QPaintDevice*()>;

    PlanDocument(QPaintDevice* firstPage, NextPage nextPage, const PlanResult& result, const PlanHeading& heading)
        : m_device(firstPage)
        , m_nextPage(std::move(nextPage))
        , m_result(result)
        , m_heading(heading)
        , m_page(QPoint(0, 0), pageLayout().paintRectPixels(kResolution).size())
    {
    }

    bool write()
    {
        if (!m_painter.begin(m_device))
            return false;
        writeSummary();
        writeSchedule();
        footer();
        return m_painter.end();
    }

private:
    int paragraph(const QString& text, const QFont& font, const QColor& colour)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        QRect used;
        m_painter.drawText(QRect(0, m_y, m_page.width(), m_page.height() - m_y), Qt::TextWordWrap, text, &used);
        m_y += used.height();
        return used.height();
    }

    void writeSummary()
    {
        const PlanSummary summary = SummarisePlan(m_result);
        QFont title = theme::documentFont(16);
        title.setBold(true);
        paragraph(QStringLiteral("My Plan"), title, theme::kDocumentText);
        paragraph(QStringLiteral("From %1, paying off every debt from one monthly budget")
                      .arg(monthText(m_result.plan.firstMonth)),
                  theme::documentFont(9), theme::kDocumentText);
        m_y += m_page.height() / 80;
        for (const std::string& line : PlanHeadingLines(m_heading, m_result.cards))
            paragraph(shownText(line), theme::documentFont(9), theme::kDocumentText);
        m_y += m_page.height() / 40;
        if (!summary.failure.empty()) {
            QFont bold = theme::documentFont(11);
            bold.setBold(true);
            paragraph(shownText(summary.failure), bold, theme::kAnswerText);
        }
        for (const std::vector<std::string>* lines : {&summary.headline, &summary.cards, &summary.moves}) {
            for (const std::string& line : *lines)
                paragraph(shownText(line), theme::documentFont(11), theme::kDocumentText);
            m_y += m_page.height() / 60;
        }

        const int height = std::min(m_page.height() - m_y, m_page.width() * 9 / 20);
        if (height < m_page.height() / 4)
            return;
        // Laid out without being shown, then drawn as lines and text.
        PlanChart chart;
        chart.resize(kChartWidth, kChartWidth * height / m_page.width());
        chart.chart()->resize(chart.size());
        chart.showPlan(&m_result);
        // Axes and legend are placed on the next turn of the event loop, which
        // a chart never shown does not get.
        chart.chart()->layout()->activate();
        chart.scene()->render(&m_painter, QRectF(0, m_y, m_page.width(), height), QRectF(QPointF(0, 0), chart.size()));
    }

    void writeSchedule()
    {
        PlanTableModel model;
        model.showPlan(std::shared_ptr<const PlanResult>(&m_result, [](const PlanResult*) {}));
        const int rows = model.rowCount();
        const int columns = model.columnCount();
        if (rows == 0)
            return;

        // Month, date and the money columns share the width; the type shrinks
        // until the widest amount fits its column.
        const double units = 0.6 + 1.4 + (columns - PlanTableModel::kFirstCardColumn);
        const double unit = m_page.width() / units;
        QFont font = theme::documentFont(8);
        while (font.pointSizeF() > 5 &&
               QFontMetrics(font, m_device).horizontalAdvance(QStringLiteral("$999,999.99")) > unit * 0.9)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        QFont bold = font;
        bold.setBold(true);
        std::vector<QRect> cells;
        for (int column = 0, left = 0; column < columns; ++column) {
            const int width = static_cast<int>(unit * (column == 0 ? 0.6 : column == 1 ? 1.4 : 1.0));
            cells.emplace_back(left, 0, width, 0);
            left += width;
        }
        const int line = QFontMetrics(font, m_device).height() * 5 / 4;
        const int pad = line / 5;

        const auto heading = [&] {
            m_painter.setFont(bold);
            m_painter.setPen(theme::kDocumentText);
            for (int column = 0; column < columns; ++column) {
                const QString text = model.headerData(column, Qt::Horizontal).toString();
                const QRect cell = cells[column].adjusted(pad, 0, -pad, 0);
                const QStringList parts = text.split(QLatin1Char('\n'));
                m_painter.drawText(QRect(cell.left(), m_y + line, cell.width(), line), alignment(column), parts.last());
                const int card = column - PlanTableModel::kFirstCardColumn;
                if (card >= 0 && card % PlanTableModel::kColumnsPerCard == 0) {
                    const int span = cells[column + 2].right() - cells[column].left() - 2 * pad;
                    const QString name =
                        QFontMetrics(bold, m_device)
                            .elidedText(
                                QString::fromStdString(ScheduleCardName(
                                    m_result.cards[static_cast<std::size_t>(card / PlanTableModel::kColumnsPerCard)])),
                                Qt::ElideRight, span);
                    m_painter.drawText(QRect(cell.left(), m_y, span, line), Qt::AlignCenter, name);
                }
            }
            m_y += 2 * line;
            m_painter.drawLine(0, m_y, cells.back().right(), m_y);
        };

        newPage();
        heading();
        for (int row = 0; row < rows; ++row) {
            if (m_y + line > m_page.height() - 2 * line) {
                newPage();
                heading();
            }
            const bool totals = row == rows - 1;
            if (totals)
                m_painter.drawLine(0, m_y, cells.back().right(), m_y);
            else if (row % 2 == 1)
                m_painter.fillRect(QRect(0, m_y, cells.back().right(), line), theme::kDocumentStripe);
            m_painter.setFont(totals ? bold : font);
            for (int column = 0; column < columns; ++column) {
                const QRect cell(cells[column].left() + pad, m_y, cells[column].width() - 2 * pad, line);
                m_painter.drawText(cell, alignment(column), model.data(model.index(row, column)).toString());
            }
            m_y += line;
        }
    }

    void newPage()
    {
        footer();
        QPaintDevice* next = m_nextPage();
        if (next != m_device) {
            m_painter.end();
            m_device = next;
            m_painter.begin(m_device);
        }
        m_y = 0;
    }

    void footer()
    {
        m_painter.setFont(theme::documentFont(8));
        m_painter.setPen(theme::kDocumentText);
        m_painter.drawText(QRect(0, m_page.height() - m_page.height() / 30, m_page.width(), m_page.height() / 30),
                           Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1").arg(++m_pages));
    }

    QPaintDevice* m_device;
    NextPage m_nextPage;
    const PlanResult& m_result;
    const PlanHeading& m_heading;
    QPainter m_painter;
    QRect m_page;
    int m_y = 0;
    int m_pages = 0;
};

// Qt says "Unknown error" for some refusals of the disk whose reason the
// system gave in errno.
QString reasonOf(const QFileDevice& file, int systemError)
{
    const bool known = file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error");
    return known || systemError == 0 ? file.errorString() : qt_error_string(systemError);
}

std::optional<QString> commit(QSaveFile& file)
{
    errno = 0;
    if (!file.commit())
        return reasonOf(file, errno);
    return std::nullopt;
}

} // namespace

std::optional<QString> ExportPlanCsv(const QString& path, const PlanResult& result, const PlanHeading& heading)
{
    // Unbuffered, a write the disk refuses fails here: buffered, the refusal
    // would come in the final flush, and a cut-off file would be committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const std::string text = PlanCsvHeading(heading, result.plan.firstMonth) + PlanCsv(result.plan, result.cards);
    for (std::size_t done = 0; done < text.size();) {
        errno = 0;
        const qint64 written = file.write(text.data() + done, static_cast<qint64>(text.size() - done));
        if (written <= 0) {
            const QString reason = reasonOf(file, errno);
            file.cancelWriting();
            return reason;
        }
        done += static_cast<std::size_t>(written);
    }
    return commit(file);
}

std::optional<QString> ExportPlanPdf(const QString& path, const PlanResult& result, const PlanHeading& heading)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        writer.setPageLayout(pageLayout());
        writer.setTitle(QStringLiteral("My Plan"));
        writer.setCreator(QStringLiteral("Plenwick"));
        const auto nextPage = [&writer]() -> QPaintDevice* {
            writer.newPage();
            return &writer;
        };
        if (!PlanDocument(&writer, nextPage, result, heading).write()) {
            file.cancelWriting();
            return QStringLiteral("The PDF could not be drawn.");
        }
    }
    return commit(file);
}

std::vector<QImage> PlanPageImages(const PlanResult& result, const PlanHeading& heading, int mostPages)
{
    const QSize size = pageLayout().paintRectPixels(kResolution).size();
    const auto blank = [size] {
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        const int dotsPerMetre = qRound(kResolution / 0.0254);
        page.setDotsPerMeterX(dotsPerMetre);
        page.setDotsPerMeterY(dotsPerMetre);
        return page;
    };
    // Pages past the last one kept are drawn on a page that is thrown away.
    std::deque<QImage> pages{blank()};
    QImage past = blank();
    const auto nextPage = [&]() -> QPaintDevice* {
        if (static_cast<int>(pages.size()) >= mostPages)
            return &past;
        pages.push_back(blank());
        return &pages.back();
    };
    PlanDocument(&pages.front(), nextPage, result, heading).write();
    return {pages.begin(), pages.end()};
}

} // namespace plenwick
