#include "ui/print_layout.h"

#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>

namespace zolvan {

namespace {

const QString kProgramName = QStringLiteral("Zolvan");
const QString kDocumentTitle = QStringLiteral("Zolvan task list");
constexpr double kHeadingScale = 1.3;

// The heading's two parts on one line, a rule under it and a blank line; the height it took.
qreal paintHeading(QPainter& painter, qreal width, const QDateTime& printedAt) {
    const QFont body = painter.font();
    QFont title = body;
    title.setBold(true);
    title.setPointSizeF(body.pointSizeF() * kHeadingScale);
    const QFontMetricsF metrics(title, painter.device());
    const QRectF line(0, 0, width, metrics.height());
    painter.setFont(title);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, kProgramName);
    painter.setFont(body);
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                     printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    const qreal bodyLine = QFontMetricsF(body, painter.device()).lineSpacing();
    const qreal rule = line.bottom() + bodyLine / 4;
    painter.save();
    QPen pen = painter.pen();
    pen.setWidthF(std::max(1.0, bodyLine / 20));
    painter.setPen(pen);
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    painter.restore();
    return rule + bodyLine;
}

} // namespace

void prepareDocument(QPrinter& printer) {
    const QMarginsF set = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF wanted(
        std::max(set.left(), kPrintMarginMm), std::max(set.top(), kPrintMarginMm),
        std::max(set.right(), kPrintMarginMm), std::max(set.bottom(), kPrintMarginMm));
    printer.setPageMargins(wanted, QPageLayout::Millimeter);
    printer.setDocName(kDocumentTitle);
    printer.setCreator(kProgramName);
}

bool paintTaskList(QPainter& painter, QPrinter& printer, const QDateTime& printedAt,
                   const QStringList& rows) {
    const QRectF page(0, 0, printer.width(), printer.height());
    qreal y = paintHeading(painter, page.width(), printedAt);
    const qreal indent = 2 * QFontMetricsF(painter.font(), &printer).averageCharWidth();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& row : rows) {
        QTextLayout layout(row, painter.font(), &printer);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            const qreal left = line.lineNumber() == 0 ? 0 : indent;
            line.setLineWidth(page.width() - left);
            line.setPosition(QPointF(left, 0));
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y + line.height() > page.height() && y > 0) {
                if (!printer.newPage()) {
                    return false;
                }
                y = 0;
            }
            line.draw(&painter, QPointF(0, y));
            y += line.height();
        }
    }
    return true;
}

} // namespace zolvan
