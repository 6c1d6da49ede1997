// What a chart offers beyond drawing: the read-out of the point under the pointer and the
// context menu that copies the chart as a picture or as numbers.

#include "chart/ChartReadout.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <charconv>
#include <limits>
#include <string>
#include <vector>

#include "model/NumberText.h"

namespace {

// As many digits as read back to the same double, but never fewer than "0.000E+00" shows:
// the tension curves step by 2E-06 up to about 1E-02, and the union of the curves' strains
// holds strains that differ in their last bits only (0.004999999999999999 beside 0.005).
std::string StrainText(double value, char separator)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;  // inf or nan, which the curves never hold
    std::string mantissa = text.substr(0, e);
    const std::string exponent = text.substr(e + 1);
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos) {
        mantissa += '.';
        point = mantissa.size() - 1;
    }
    while (mantissa.size() - point - 1 < 3)
        mantissa += '0';
    mantissa[point] = separator;
    return mantissa + 'E' + exponent;
}

// Four decimals: a ten-thousandth of a N/mm², finer than any curve here needs.
std::string StressText(double value, char separator)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, result.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = separator;
    return text;
}

// A name may hold a tab or a line break (pasted into the name field); in the heading it would
// shift every later column.
QString CellText(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TReadout

TReadout::TReadout(TChart* chart, const QString& layerName)
    : QCPLayerable(chart, layerName), chart(chart)
{
}

bool TReadout::Set(QCPAbstractPlottable* newSeries, int newIndex)
{
    if (!newSeries)
        newIndex = -1;
    if (series.data() == newSeries && index == newIndex)
        return false;
    series = newSeries;
    index = newIndex;
    return true;
}

bool TReadout::Point(QPointF& point) const
{
    if (!Shown())
        return false;
    if (const auto* line = qobject_cast<const TLineSeries*>(series.data())) {
        if (index >= line->Count())
            return false;
        const auto at = line->data()->at(index);
        point = {at->key, at->value};
        return true;
    }
    if (const auto* path = qobject_cast<const TPathSeries*>(series.data())) {
        if (index >= path->Count())
            return false;
        point = path->PointAt(index);
        return true;
    }
    return false;
}

QString TReadout::Text() const
{
    QPointF point;
    if (!Point(point))
        return {};
    const char separator = chart->DecimalSeparator();
    return series->name() + QStringLiteral("  ε = ") +
           QString::fromStdString(FormatFloat(NumberPattern::Scientific4, point.x(), separator)) +
           QStringLiteral("  σ = ") +
           QString::fromStdString(FormatFloat(NumberPattern::Fixed2, point.y(), separator)) +
           QStringLiteral(" N/mm²");
}

void TReadout::applyDefaultAntialiasingHint(QCPPainter* painter) const
{
    painter->setAntialiasing(true);
}

void TReadout::draw(QCPPainter* painter)
{
    QPointF point;
    if (!Point(point) || !series->visible())
        return;
    const QPointF at(series->keyAxis()->coordToPixel(point.x()),
                     series->valueAxis()->coordToPixel(point.y()));
    const QRect frame = chart->axisRect()->rect();
    const QColor color = series->pen().color();

    painter->setPen(QPen(color.darker(150), 1));
    painter->setBrush(color);
    painter->drawEllipse(at, 4.0, 4.0);

    // The label beside the point, turned to the other side where it would leave the frame.
    const QString text = Text();
    const QFontMetrics metrics(chart->font());
    const QSize size(metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
    QRectF box(at + QPointF(8, -8 - size.height()), size);
    if (box.right() > frame.right())
        box.moveRight(at.x() - 8);
    if (box.left() < frame.left())
        box.moveLeft(frame.left());
    if (box.top() < frame.top())
        box.moveTop(at.y() + 8);
    if (box.bottom() > frame.bottom())
        box.moveBottom(frame.bottom());
    painter->setPen(QPen(color, 1));
    painter->setBrush(QColor(255, 255, 255, 230));
    painter->drawRect(box);
    painter->setPen(Qt::black);
    painter->setFont(chart->font());
    painter->drawText(box, Qt::AlignCenter, text);
}

// ---------------------------------------------------------------------------------------------
// TChart: read-out

bool TChart::ReadoutVisible() const
{
    return readout->Shown();
}

TLineSeries* TChart::ReadoutSeries() const
{
    return qobject_cast<TLineSeries*>(readout->Series());
}

TPathSeries* TChart::ReadoutPath() const
{
    return qobject_cast<TPathSeries*>(readout->Series());
}

int TChart::ReadoutIndex() const
{
    return readout->Index();
}

QString TChart::ReadoutText() const
{
    return readout->Text();
}

void TChart::PickReadout(const QPointF& pos)
{
    QCPAbstractPlottable* found = nullptr;
    int index = -1;
    if (axisRect()->rect().contains(pos.toPoint())) {
        double best = std::numeric_limits<double>::infinity();
        for (int i = 0; i < plottableCount(); ++i) {
            QCPAbstractPlottable* series = plottable(i);
            if (!series->visible())
                continue;
            TLineSeries::Pick pick;
            if (const auto* line = qobject_cast<const TLineSeries*>(series))
                pick = line->Nearest(pos, best);
            else if (const auto* path = qobject_cast<const TPathSeries*>(series))
                pick = path->Nearest(pos, best);
            if (pick.index >= 0) {
                best = pick.distance;
                found = series;
                index = pick.index;
            }
        }
    }
    readout->Set(found, index);
}

void TChart::UpdateReadout(const QPointF& pos)
{
    readoutPos = pos;
    const QCPAbstractPlottable* before = readout->Series();
    const int beforeIndex = readout->Index();
    PickReadout(pos);
    if (readout->Series() != before || readout->Index() != beforeIndex)
        layer(QStringLiteral("readout"))->replot();
}

void TChart::HideReadout()
{
    if (readout->Set(nullptr, -1))
        layer(QStringLiteral("readout"))->replot();
}

// ---------------------------------------------------------------------------------------------
// TChart: context menu

QMenu* TChart::CreateContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    const auto add = [this, menu](const char* name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("CopyImage1", tr("Copy Image"), [this] { CopyImage(); });
    QAction* copyData = add("CopyData1", tr("Copy Data"), [this] { CopyData(); });
    copyData->setEnabled(AnyShown());
    add("SaveImageAs1", tr("Save Image As…"), [this] { emit SaveImageAsRequested(); });
    menu->addSeparator();
    add("ResetZoom1", tr("Reset Zoom"), [this] { UndoZoom(); });
    if (HasTestSeries()) {
        menu->addSeparator();
        add("RemoveTestData1", tr("Remove Test Data"), [this] { RemoveTestSeries(); });
    }
    return menu;
}

void TChart::contextMenuEvent(QContextMenuEvent* event)
{
    HideReadout();
    QMenu* menu = CreateContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

QImage TChart::ShownImage()
{
    HideReadout();
    Refresh();
    return grab().toImage();
}

void TChart::CopyImage()
{
    QApplication::clipboard()->setImage(ShownImage());
}

QString TChart::DataText() const
{
    if (PathCount() > 0)
        return PathDataText();
    std::vector<const TLineSeries*> shown;
    for (int i = 0; i < graphCount(); ++i)
        if (graph(i)->visible())
            shown.push_back(Series(i));

    QString text = QStringLiteral("Strain");
    for (const TLineSeries* series : shown)
        text += QLatin1Char('\t') + CellText(series->Title());
    text += QLatin1Char('\n');

    // A merge of the ascending strains: each line takes the next point of every curve that has
    // one at the line's strain. A curve holding one strain twice gets two lines.
    std::vector<int> next(shown.size(), 0);
    std::string line;
    while (true) {
        double strain = std::numeric_limits<double>::infinity();
        bool any = false;
        for (std::size_t s = 0; s < shown.size(); ++s)
            if (next[s] < shown[s]->Count()) {
                strain = std::min(strain, shown[s]->data()->at(next[s])->key);
                any = true;
            }
        if (!any)
            break;
        line = StrainText(strain, decimalSeparator);
        bool advanced = false;
        for (std::size_t s = 0; s < shown.size(); ++s) {
            line += '\t';
            if (next[s] < shown[s]->Count()) {
                const auto point = shown[s]->data()->at(next[s]);
                if (point->key == strain) {
                    line += StressText(point->value, decimalSeparator);
                    ++next[s];
                    advanced = true;
                }
            }
        }
        if (!advanced) {
            // Only strains that compare with nothing (not a number) are left: skip them.
            for (std::size_t s = 0; s < shown.size(); ++s)
                if (next[s] < shown[s]->Count())
                    ++next[s];
            continue;
        }
        line += '\n';
        text += QString::fromStdString(line);
    }
    return text;
}

void TChart::CopyData()
{
    QApplication::clipboard()->setText(DataText());
}

QString TChart::PathDataText() const
{
    // Each shown curve's points as they run, in two columns of its own.
    struct Column {
        QString title;
        std::vector<QPointF> points;
    };
    std::vector<Column> shown;
    for (int i = 0; i < plottableCount(); ++i) {
        const QCPAbstractPlottable* item = Item(i);
        if (!item->visible())
            continue;
        Column column{CellText(item->name()), {}};
        if (const auto* line = qobject_cast<const TLineSeries*>(item))
            for (auto it = line->data()->constBegin(); it != line->data()->constEnd(); ++it)
                column.points.emplace_back(it->key, it->value);
        else if (const auto* path = qobject_cast<const TPathSeries*>(item))
            for (int k = 0; k < path->Count(); ++k)
                column.points.push_back(path->PointAt(k));
        shown.push_back(std::move(column));
    }
    QStringList heading;
    std::size_t rows = 0;
    for (const Column& column : shown) {
        heading << column.title + QStringLiteral(" strain") << column.title + QStringLiteral(" stress");
        rows = std::max(rows, column.points.size());
    }
    QString text = heading.join(QLatin1Char('\t')) + QLatin1Char('\n');
    std::string line;
    for (std::size_t row = 0; row < rows; ++row) {
        line.clear();
        for (std::size_t c = 0; c < shown.size(); ++c) {
            if (c > 0)
                line += '\t';
            if (row < shown[c].points.size()) {
                line += StrainText(shown[c].points[row].x(), decimalSeparator);
                line += '\t';
                line += StressText(shown[c].points[row].y(), decimalSeparator);
            } else {
                line += '\t';
            }
        }
        line += '\n';
        text += QString::fromStdString(line);
    }
    return text;
}
