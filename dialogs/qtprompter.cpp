// Message boxes and the number request of the desktop program.
#include "dialogs/qtprompter.h"

#include "dialogs/dialogunits.h"
#include "dialogs/dlginterpolation.h"
#include "i18n/i18n.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// The text of the computation's message `format` up to its first number, in the language
// spoken: what marks that message whatever its numbers.
std::string messageLead(const char *format)
{
    const std::string text = i18n::translateFormat("Diagnose", format);
    return text.substr(0, text.find('%'));
}

// Results laid out in columns, shown in a fixed-pitch font so that they line up.
bool isResultText(const std::string &text)
{
    return QtPrompter::isStraightIntervalRemark(text)
        || text.find(messageLead("\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):%8.2f\n"
                                 "Vertikale Teufe (m):%8.2f\nNORD(+) SUED(-) (m):%8.2f\n"
                                 "OST(+)  WEST(-) (m):%8.2f\nGesamtabweichung   : %6.2f m "
                                 "%6.1f Grad Azimut"))
        != std::string::npos;
}

// A long list of remarks scrolls from this many rows on.
constexpr int kRemarkRows = 15;

} // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : m_parent(parent)
{
}

void QtPrompter::setParent(QWidget *parent)
{
    m_parent = parent;
}

QWidget *QtPrompter::boxParent() const
{
    // A box belongs on top of the dialog that asked for it, not behind it on the main
    // window.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_parent.data();
}

bool QtPrompter::isStraightIntervalRemark(const std::string &text)
{
    return std::string_view(text).starts_with(
        messageLead("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M"));
}

void QtPrompter::message(const std::string &text)
{
    if (m_runDepth > 0 && isStraightIntervalRemark(text)) {
        m_remarks.push_back(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("dravon"), QString::fromStdString(text),
        QMessageBox::Ok, boxParent());
    box.setTextFormat(Qt::PlainText);
    if (isResultText(text)) {
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setFont(fixedPitchFont());
    }
    box.exec();
}

void QtPrompter::beginRun()
{
    ++m_runDepth;
}

void QtPrompter::endRun()
{
    if (m_runDepth == 0 || --m_runDepth > 0)
        return;
    if (m_remarks.empty())
        return;
    std::vector<std::string> remarks;
    remarks.swap(m_remarks);
    showRemarks(remarks);
}

void QtPrompter::showRemarks(const std::vector<std::string> &remarks)
{
    // One box for every straight interval of the run: the remarks in their order, one
    // a row, in a read-only area that scrolls once the list is long.
    QDialog box(boxParent(),
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(QStringLiteral("dravon"));
    box.setObjectName(QStringLiteral("remarksBox"));

    auto *text = new QPlainTextEdit(&box);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(fixedPitchFont());
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList lines;
    for (const std::string &remark : remarks)
        lines << QString::fromStdString(remark);
    text->setPlainText(lines.join(QLatin1Char('\n')));

    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int rows = std::min(static_cast<int>(lines.size()), kRemarkRows);
    const int frame
        = 2 * text->frameWidth() + 2 * static_cast<int>(text->document()->documentMargin());
    const int scrollBar
        = lines.size() > kRemarkRows ? text->verticalScrollBar()->sizeHint().width() : 0;
    // The rows as the text area lays them out, which may be taller than the font's
    // line spacing.
    const QTextBlock first = text->document()->firstBlock();
    const double row = text->document()->documentLayout()->blockBoundingRect(first).height();
    // Exactly as tall as its rows (up to the limit): a short list gets a small box.
    text->setFixedSize(widest + frame + scrollBar + 4,
        static_cast<int>(std::ceil(rows * std::max<double>(row, metrics.lineSpacing()))) + frame
            + 2);
    if (lines.size() <= kRemarkRows)
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setFocus(Qt::OtherFocusReason);
    box.exec();
}

bool QtPrompter::askYesNo(const std::string &question)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("dravon"), QString::fromStdString(question),
        QMessageBox::NoButton, boxParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes
        = box.addButton(QCoreApplication::translate("QtPrompter", "Ja"), QMessageBox::YesRole);
    QPushButton *no
        = box.addButton(QCoreApplication::translate("QtPrompter", "Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

bool QtPrompter::askNumber(const std::string &text, float &value)
{
    DlgInterpolation dialog(boxParent(), this);
    dialog.m_Text = text;
    dialog.m_SollTeufe = value;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.m_SollTeufe;
    return true;
}
