// The measurement dialog's widgets and how they mirror the LineEditor.
#include "dialogs/dlginput.h"

#include "dialogs/dialogunits.h"
#include "dialogs/stationlistmodel.h"
#include "document/doccharset.h"
#include "exchange/tablefile.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QValidator>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// The station list's rows are two pixels taller than a list's usual rows, so that the
// columns of numbers do not crowd each other.
class TallerRows : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(size.height() + 2);
        return size;
    }
};

// Fills a list widget with `entries` unless it already shows exactly them; the list
// stays scrolled where it was, so that a changed entry stays in view. Every entry shows
// its full text as a tooltip, as a long one is cut off in the list.
void showEntries(QListWidget *list, const StringList &entries)
{
    bool same = list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == QString::fromStdString(entries[static_cast<size_t>(i)]);
    if (same)
        return;
    const int scrolled = list->verticalScrollBar()->value();
    list->clear();
    for (const std::string &entry : entries) {
        auto *item = new QListWidgetItem(QString::fromStdString(entry), list);
        item->setToolTip(item->text());
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    list->verticalScrollBar()->setValue(scrolled);
}

// Refuses a text with a character that the document file cannot hold, and names that
// character to `refused`.
class CharsetValidator : public QValidator
{
public:
    CharsetValidator(std::function<void(const QString &)> refused, QObject *parent)
        : QValidator(parent)
        , m_refused(std::move(refused))
    {
    }

    State validate(QString &input, int &) const override
    {
        const QString character = firstUnrepresentable(input);
        if (character.isEmpty())
            return Acceptable;
        m_refused(character);
        return Invalid;
    }

private:
    std::function<void(const QString &)> m_refused;
};

// The editor of a descriptive line: a line edit with the character check of the edit
// line, whose text goes to `take` (row, text) instead of into the list, which only
// mirrors the editor's lines.
class InfoDelegate : public QStyledItemDelegate
{
public:
    InfoDelegate(std::function<void(const QString &)> refused,
        std::function<void(int, const QString &)> take, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_refused(std::move(refused))
        , m_take(std::move(take))
    {
    }

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setValidator(new CharsetValidator(m_refused, edit));
        return edit;
    }

    void setModelData(
        QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            m_take(index.row(), edit->text());
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        // A message box over the dialog (a refused character) or the editor's own
        // context menu does not end the edit; the line stays open for more typing.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                return false;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(const QString &)> m_refused;
    std::function<void(int, const QString &)> m_take;
};

// Checks the button with `id`, or none at all for a value outside the group.
void showChoice(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

// How many dialog units the right-hand column of the dialog (station list, edit line,
// descriptive list, status, OK and Abbrechen) needs beyond the classic layout of 245
// units, so that a station line of the readers' widest layout
// ("  100.00     0.00     0.00") shows whole in the fixed pitch of the list.
int DlgInput::widerUnits(const QWidget &dialog)
{
    const DialogUnits du(dialog.font());
    const QStyle *style = dialog.style();
    const int text
        = QFontMetrics(fixedPitchFont()).horizontalAdvance(QString(26, QLatin1Char('0')));
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth)
        + style->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    const int units = static_cast<int>(std::ceil((text + margins) * 4.0 / du.baseX()));
    return std::max(0, units - 89);
}

DlgInput::DlgInput(LineEditor &state, Prompter &prompter, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_prompter(prompter)
    , m_original([&state] {
        // The copy for "Abbrechen" without the station lines (see keepOriginalStations).
        StringList stations = std::move(state.m_Eingabe);
        LineEditor copy = state;
        state.m_Eingabe = std::move(stations);
        return copy;
    }())
{
    setWindowTitle(tr("Dialogfeld"));
    setFont(dialogFont());
    buildControls();

    m_state.initDialog();
    showMembers();
    // The first tab stop takes the focus when the window opens.
    m_listInfo->setFocus(Qt::OtherFocusReason);
}

void DlgInput::buildControls()
{
    const DialogUnits du(font());
    const int wider = widerUnits(*this);
    // The classic size is the smallest; a larger window gives the room to the station
    // list (see resizeEvent).
    setMinimumSize(du.size(245 + wider, 218));
    resize(minimumSize());
    setSizeGripEnabled(true);

    auto place = [&](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(du.rect(x, y, width, height));
    };
    // The arrangement is the classic one in every language; a caption longer than its
    // place (a translation, a larger font) grows to the right instead of being cut.
    auto label = [&](const QString &text, int x, int y, int width, int height) {
        auto *l = new QLabel(text, this);
        place(l, x, y, width, height);
        if (l->sizeHint().width() > l->width()) {
            l->resize(l->sizeHint().width(), l->height());
            // Not beyond the dialog's right margin: a caption of the right-hand column
            // moves to the left instead.
            const int limit = minimumWidth() - du.x(7);
            if (l->geometry().right() >= limit)
                l->move(std::max(0, limit - l->width()), l->y());
        }
        return l;
    };
    auto frame = [&](int x, int y, int width, int height) {
        auto *box = new QGroupBox(this);
        place(box, x, y, width, height);
        return box;
    };
    auto button = [&](const QString &text, int x, int y, int width, int height) {
        auto *b = new QPushButton(text, this);
        // Enter must not close the dialog from wherever the focus is: no button is the
        // default, and keyPressEvent presses a button only while it has the focus.
        b->setAutoDefault(false);
        b->setDefault(false);
        place(b, x, y, width, height);
        // A caption that does not fit between the button's frame and margins takes the
        // button's own wish; the buttons of the right-hand edge grow to the left.
        const QStyle *st = style();
        const int needed = b->fontMetrics().horizontalAdvance(b->text())
            + 2 * st->pixelMetric(QStyle::PM_ButtonMargin)
            + 2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
        if (needed > b->width()) {
            const int grown = std::max(needed, b->sizeHint().width());
            const int left = x >= 188 ? b->geometry().right() + 1 - grown : b->x();
            b->setGeometry(left, b->y(), grown, b->height());
        }
        return b;
    };
    auto group = [&](QGroupBox *box, std::initializer_list<QString> texts,
                     std::initializer_list<std::array<int, 4>> rects) {
        auto *g = new QButtonGroup(this);
        int id = 0;
        auto r = rects.begin();
        for (const QString &text : texts) {
            auto *radio = new QRadioButton(text, this);
            place(radio, (*r)[0], (*r)[1], (*r)[2], (*r)[3]);
            // This style's round indicator and its gap take more room than the layout
            // reckons with: let a caption that would be cut off grow to the right, up
            // to the frame around its group.
            const int room = box->geometry().right() - 2 - radio->x() + 1;
            const int wanted = std::min(radio->sizeHint().width(), room);
            if (wanted > radio->width())
                radio->resize(wanted, radio->height());
            g->addButton(radio, id++);
            ++r;
        }
        return g;
    };

    // Frames first, so that the radio buttons lie above them.
    QGroupBox *formatFrame = frame(7, 48, 68, 40);
    QGroupBox *modeFrame = frame(78, 73, 70, 53);
    QGroupBox *viewFrame = frame(7, 90, 67, 34);
    QGroupBox *thinningFrame = frame(7, 154, 67, 57);

    m_status = label(QString(), 77, 140, 161 + wider, 8);

    m_listInfo = new QListWidget(this);
    place(m_listInfo, 77, 157, 161 + wider, 54);
    m_listEingabe = new QListView(this);
    m_stations = new StationListModel(m_listEingabe);
    m_listEingabe->setModel(m_stations);
    // All rows are one line of one font: the view takes the first row's size for every
    // row instead of measuring each of them.
    m_listEingabe->setUniformItemSizes(true);
    m_listEingabe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    place(m_listEingabe, 149, 76, 89 + wider, 49);
    m_listEingabe->setItemDelegate(new TallerRows(m_listEingabe));
    for (QAbstractItemView *list :
        std::initializer_list<QAbstractItemView *> { m_listInfo, m_listEingabe }) {
        // Station columns and the columns of descriptive lines line up.
        list->setFont(fixedPitchFont());
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    // The descriptive lines are edited in their list: a double click or F2 changes a
    // line, Einfg adds one, Entf deletes the selected one; the context menu names them.
    m_listInfo->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto *infoDelegate
        = new InfoDelegate([this](const QString &character) { refuseCharacter(character); },
            [this](int row, const QString &text) { takeInfoLine(row, text); }, m_listInfo);
    m_listInfo->setItemDelegate(infoDelegate);
    // An editor closed without a change (Escape, or a new line left empty) leaves the
    // list as the editor's lines are.
    connect(infoDelegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        QMetaObject::invokeMethod(this, &DlgInput::showInfoLines, Qt::QueuedConnection);
    });
    m_listInfo->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto infoAction = [this](const QString &text, const QKeySequence &key, auto slot) {
        auto *action = new QAction(text, m_listInfo);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        m_listInfo->addAction(action);
    };
    infoAction(
        tr("Beschreibungszeile hinzufügen"), QKeySequence(Qt::Key_Insert), &DlgInput::addInfoLine);
    infoAction(tr("Beschreibungszeile ändern"), QKeySequence(Qt::Key_F2), &DlgInput::editInfoLine);
    infoAction(
        tr("Beschreibungszeile löschen"), QKeySequence(Qt::Key_Delete), &DlgInput::deleteInfoLine);

    m_zeile = new QLineEdit(this);
    place(m_zeile, 150, 60, 88 + wider, 14);
    m_zeile->installEventFilter(this);
    // A line changed since Enter took it (typed, or a station taken into it) is one to
    // take again.
    connect(m_zeile, &QLineEdit::textChanged, this, [this] { m_bTaken = false; });

    // The captions stay centred over the wider edit line.
    m_unitCaption = label(tr(" ( m )  ( Grad ° )  ( Grad ° )"), 154 + wider / 2, 50, 84, 8);
    m_depthCaption = label(tr("Teufe   Neigung   Azimut"), 152 + wider / 2, 42, 86, 8);

    m_cancel = button(tr("Abbrechen"), 188 + wider, 24, 50, 14);
    m_ok = button(tr("OK"), 188 + wider, 7, 50, 14);
    m_file = button(tr("Datei einlesen"), 104, 18, 60, 14);
    m_table = button(tr("Tabelle importieren …"), 78, 34, 72, 14);
    m_well = button(tr("Bohrung …"), 78, 52, 68, 14);
    m_well->hide();

    m_name = new QLineEdit(this);
    place(m_name, 7, 18, 84, 14);
    // A new document has no name yet: the field says what belongs in it.
    m_name->setPlaceholderText(tr("Name der Bohrung"));

    // What is typed must survive the document file: a character it cannot hold is
    // refused, with a message that names it, instead of becoming "?".
    for (QLineEdit *edit : { m_zeile, m_name })
        edit->setValidator(new CharsetValidator(
            [this](const QString &character) { refuseCharacter(character); }, edit));

    label(tr("Name der Bohrung"), 7, 7, 60, 8);
    label(tr("Formatauswahl"), 7, 40, 48, 8);

    m_formatGroup = group(formatFrame, { tr("WEG Format"), tr("Freies Format"), tr("ATK Format") },
        { { 13, 54, 57, 10 }, { 13, 64, 58, 10 }, { 13, 75, 53, 10 } });
    m_modeGroup = group(modeFrame,
        { tr("Zeile ändern"), tr("Zeile anhängen"), tr("Zeile einfügen"), tr("Zeile löschen") },
        { { 81, 79, 55, 10 }, { 81, 89, 65, 10 }, { 81, 100, 61, 10 }, { 81, 111, 58, 10 } });
    m_viewGroup = group(viewFrame, { tr("Seitenansicht"), tr("Draufsicht") },
        { { 13, 98, 59, 10 }, { 13, 110, 48, 10 } });

    label(tr("Datenauswahl"), 7, 138, 46, 8);
    label(tr("beim Dateieinlesen"), 7, 148, 60, 8);

    m_thinningGroup = group(thinningFrame,
        { tr("jeder Wert"), tr("jeder 2.Wert"), tr("jeder 5.Wert"), tr("jeder 10.Wert") },
        { { 13, 160, 49, 11 }, { 13, 171, 55, 10 }, { 13, 182, 55, 10 }, { 13, 192, 59, 10 } });

    // Format, line mode and thinning take effect the moment they are clicked (a file
    // read uses them without reading the controls); the view waits for the next read.
    connect(
        m_formatGroup, &QButtonGroup::idClicked, this, [this](int id) { m_state.m_Format = id; });
    connect(m_modeGroup, &QButtonGroup::idClicked, this,
        [this](int id) { m_state.m_ZeilenModus = id; });
    connect(m_thinningGroup, &QButtonGroup::idClicked, this,
        [this](int id) { m_state.m_Datenauswahl = id; });

    connect(m_listEingabe, &QListView::doubleClicked, this,
        [this](const QModelIndex &index) { onStationDoubleClicked(index.row()); });
    connect(m_file, &QPushButton::clicked, this, &DlgInput::onFileOpen);
    connect(m_table, &QPushButton::clicked, this, &DlgInput::importTable);
    connect(m_well, &QPushButton::clicked, this, [this] {
        if (m_wellCommand)
            m_wellCommand(this);
    });
    auto *paste = new QShortcut(QKeySequence::Paste, m_listEingabe);
    paste->setContext(Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, &DlgInput::pasteTable);
    connect(m_ok, &QPushButton::clicked, this, &DlgInput::accept);
    connect(m_cancel, &QPushButton::clicked, this, &DlgInput::reject);

    // What a larger window does to the controls of the right-hand column: the station
    // list takes the extra room, the edit line and the lists the extra width, the
    // buttons stay at the right edge and status and descriptive list at the bottom.
    const auto follow = [this](QWidget *w, int how) {
        m_followers.push_back({ w, w->geometry(), how });
    };
    follow(m_listEingabe, GrowX | GrowY);
    follow(m_zeile, GrowX);
    follow(m_ok, MoveX);
    follow(m_cancel, MoveX);
    follow(m_status, GrowX | MoveY);
    follow(m_listInfo, GrowX | MoveY);
    for (QLabel *caption : { m_depthCaption, m_unitCaption })
        follow(caption, HalfMoveX);

    m_tabStops = { m_listInfo, m_listEingabe, m_zeile, m_cancel, m_ok, m_file, m_table, m_well,
        m_name, m_formatGroup->button(0), m_modeGroup->button(0), m_viewGroup->button(0),
        m_thinningGroup->button(0) };
    for (int i = 1; i < m_tabStops.size(); ++i)
        setTabOrder(m_tabStops[i - 1], m_tabStops[i]);
}

void DlgInput::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int dx = std::max(0, width() - minimumWidth());
    const int dy = std::max(0, height() - minimumHeight());
    for (const Follower &f : m_followers) {
        QRect r = f.classic;
        if (f.how & MoveX)
            r.translate(dx, 0);
        if (f.how & HalfMoveX)
            r.translate(dx / 2, 0);
        if (f.how & MoveY)
            r.translate(0, dy);
        if (f.how & GrowX)
            r.setWidth(r.width() + dx);
        if (f.how & GrowY)
            r.setHeight(r.height() + dy);
        f.widget->setGeometry(r);
    }
}

void DlgInput::readControls()
{
    m_state.m_Name = m_name->text().toStdString();
    m_state.m_Format = m_formatGroup->checkedId();
    m_state.m_Zeile = m_zeile->text().toStdString();
    m_state.m_ZeilenModus = m_modeGroup->checkedId();
    m_state.m_Status = m_status->text().toStdString();
    m_state.m_Ansicht = m_viewGroup->checkedId();
    m_state.m_Datenauswahl = m_thinningGroup->checkedId();

    const QModelIndex current = m_listEingabe->currentIndex();
    m_state.m_Markiert = current.isValid() && m_listEingabe->selectionModel()->isSelected(current)
        ? current.row()
        : -1;
    m_state.m_Anzahl = m_stations->rowCount();
}

int DlgInput::stationCount() const
{
    return m_stations->rowCount();
}

QString DlgInput::stationText(int row) const
{
    return m_stations->data(m_stations->index(row)).toString();
}

int DlgInput::currentStation() const
{
    const QModelIndex current = m_listEingabe->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DlgInput::showMembers()
{
    showEntries(m_listInfo, m_state.m_ListInfo);
    // A new list goes in whole; the view stays scrolled where it was, so that a
    // changed entry stays in view.
    const int scrolled = m_listEingabe->verticalScrollBar()->value();
    if (m_stations->setLines(m_state.m_ListEingabe)) {
        m_listEingabe->doItemsLayout();
        m_listEingabe->verticalScrollBar()->setValue(scrolled);
    }
    m_name->setText(QString::fromStdString(m_state.m_Name));
    m_name->home(false); // a long name shows its beginning
    showChoice(m_formatGroup, m_state.m_Format);
    m_zeile->setText(QString::fromStdString(m_state.m_Zeile));
    m_zeile->home(false); // show the start of a long line
    showChoice(m_modeGroup, m_state.m_ZeilenModus);
    m_status->setText(QString::fromStdString(m_state.m_Status));
    showChoice(m_viewGroup, m_state.m_Ansicht);
    showChoice(m_thinningGroup, m_state.m_Datenauswahl);
}

void DlgInput::refuseCharacter(const QString &character)
{
    // Once per keystroke or paste; the box opens after the edit has refused the text.
    if (m_bRefusing)
        return;
    m_bRefusing = true;
    QMetaObject::invokeMethod(
        this,
        [this, character] {
            const uint code = static_cast<uint>(character.toUcs4().value(0));
            const QString text
                = tr("Das Zeichen „%1“ (U+%2) gehört nicht zum "
                     "Zeichensatz des Dokuments (Windows-1252) und wird nicht "
                     "übernommen.")
                      .arg(character, QString::number(code, 16).toUpper().rightJustified(4, '0'));
            QMessageBox box(
                QMessageBox::NoIcon, QStringLiteral("dravon"), text, QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            m_bRefusing = false;
        },
        Qt::QueuedConnection);
}

void DlgInput::selectMarked()
{
    const int row = m_state.m_Markiert;
    QItemSelectionModel *selection = m_listEingabe->selectionModel();
    if (row >= 0 && row < m_stations->rowCount()) {
        selection->setCurrentIndex(m_stations->index(row), QItemSelectionModel::ClearAndSelect);
    } else {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void DlgInput::onStationDoubleClicked(int row)
{
    if (row < 0)
        return;
    m_state.zeileDblClk(row);
    m_bTaken = false; // a station chosen anew, even the line just taken
    showMembers();
    selectMarked();
    // The next tab stop after the station list is the edit line.
    m_zeile->setFocus(Qt::TabFocusReason);
}

void DlgInput::onFileOpen()
{
    runPendingLineOperation();

    const QString path
        = QFileDialog::getOpenFileName(this, tr("Öffnen"), QString(), tr("Alle Dateien (*)"));
    if (path.isEmpty())
        return; // cancelled: nothing changes
    // A table or workbook (.csv, .xlsx, .xls) is no measurement file of any format: read
    // as one, a workbook's bytes would only give a riddle about line lengths.
    if (exchange::tableFormatForPath(path.toStdString())) {
        importTableFile(path);
        return;
    }
    readFile(path);
}

void DlgInput::readFile(const QString &path)
{
    // The name and the view have no handler of their own; take what the user set in
    // them now, or showing the members after the read would undo it.
    readControls();
    // The messages come in the order the reading met them; the list still shows the
    // lines from before until the last message is confirmed.
    keepOriginalStations();
    const int filesRead = m_state.m_FilesRead;
    for (const std::string &message : m_state.fileRead(path.toStdString()))
        m_prompter.message(message);
    // Stations read from a measurement file bring no field readings: those of the stations
    // they replace go with them, lest one meet a new station at its depth.
    if (m_state.m_FilesRead != filesRead)
        m_importedFieldReadings.emplace();
    showMembers();
    selectMarked();
}

bool DlgInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_zeile && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // The edit line's own context menu and a switch to another window do not leave
        // the line; a message box of a running operation must not start a second one.
        // A line Enter took and that was not typed anew since is not taken twice.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !m_bBusy
            && !m_bPending && !m_bTaken) {
            m_bPending = true;
            // The operation runs once the focus has settled, and after a mouse click
            // only once the button is up again: a modal box in the middle of a click
            // would swallow it. A click on OK or "Datei einlesen" then runs the
            // operation itself before its own work; "Abbrechen" drops it.
            if (QGuiApplication::mouseButtons() != Qt::NoButton && !m_bWaitForRelease) {
                m_bWaitForRelease = true;
                qApp->installEventFilter(this);
            } else {
                QMetaObject::invokeMethod(
                    this, &DlgInput::runPendingLineOperation, Qt::QueuedConnection);
            }
        }
    } else if (m_bWaitForRelease && event->type() == QEvent::MouseButtonRelease) {
        m_bWaitForRelease = false;
        qApp->removeEventFilter(this);
        // Queued, so that the release finishes its click first.
        QMetaObject::invokeMethod(this, &DlgInput::runPendingLineOperation, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void DlgInput::runPendingLineOperation()
{
    if (!m_bPending || m_bBusy)
        return;
    m_bPending = false;
    if (m_bWaitForRelease) {
        m_bWaitForRelease = false;
        qApp->removeEventFilter(this);
    }
    m_bBusy = true;
    readControls();
    keepOriginalStations();
    const LinePrompt prompt = m_state.zeileKillFocus();
    if (prompt.isMessage())
        m_prompter.message(prompt.text);
    else if (prompt.isQuestion())
        m_state.zeileAnswer(prompt, m_prompter.askYesNo(prompt.text));
    showMembers();
    selectMarked();
    // A changed line may have moved far from where it was: the list shows it.
    if (m_state.m_Platziert >= 0 && m_state.m_Platziert < m_stations->rowCount())
        m_listEingabe->scrollTo(m_stations->index(m_state.m_Platziert));
    m_bBusy = false;
}

void DlgInput::takeEditLine()
{
    if (m_zeile->text().trimmed().isEmpty() || m_bBusy)
        return; // nothing to take
    m_bPending = true;
    runPendingLineOperation();
    m_bTaken = true;
    m_zeile->setFocus(Qt::OtherFocusReason);
    m_zeile->selectAll();
}

void DlgInput::showInfoLines()
{
    m_newInfoRow = -1;
    showEntries(m_listInfo, m_state.m_ListInfo);
}

void DlgInput::takeInfoLine(int row, const QString &text)
{
    if (row == m_newInfoRow)
        m_state.infoAppend(text.toStdString());
    else
        m_state.infoChange(row, text.toStdString());
    // The list is rebuilt once the editor has closed.
    QMetaObject::invokeMethod(this, &DlgInput::showInfoLines, Qt::QueuedConnection);
}

void DlgInput::addInfoLine()
{
    // The keys act only while the list itself has the focus, never inside an editor.
    auto *item = new QListWidgetItem(m_listInfo);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_newInfoRow = m_listInfo->row(item);
    m_listInfo->setCurrentItem(item);
    m_listInfo->scrollToItem(item);
    m_listInfo->editItem(item);
}

void DlgInput::editInfoLine()
{
    if (QListWidgetItem *item = m_listInfo->currentItem())
        m_listInfo->editItem(item);
}

void DlgInput::deleteInfoLine()
{
    const int row = m_listInfo->currentRow();
    if (row < 0 || row >= static_cast<int>(m_state.m_Info.size()))
        return;
    const std::string question
        = tr("Soll diese Beschreibungszeile wirklich gelöscht werden?\n%1")
              .arg(QString::fromStdString(m_state.m_Info[static_cast<size_t>(row)]))
              .toStdString();
    if (!m_prompter.askYesNo(question))
        return;
    m_state.infoDelete(row);
    showInfoLines();
    if (m_listInfo->count() > 0)
        m_listInfo->setCurrentRow(std::min(row, m_listInfo->count() - 1));
}

void DlgInput::accept()
{
    // A click on OK takes the focus from the edit line first: its operation comes
    // before the dialog closes.
    runPendingLineOperation();
    readControls();
    QDialog::accept();
}

void DlgInput::reject()
{
    m_bPending = false;
    if (m_bWaitForRelease) {
        m_bWaitForRelease = false;
        qApp->removeEventFilter(this);
    }
    StringList stations
        = m_originalStations ? std::move(*m_originalStations) : std::move(m_state.m_Eingabe);
    m_state = m_original;
    m_state.m_Eingabe = std::move(stations);
    QDialog::reject();
}

void DlgInput::keepOriginalStations()
{
    if (!m_originalStations)
        m_originalStations = m_state.m_Eingabe;
}

void DlgInput::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter in the edit line takes the line, as leaving it does, and the focus stays
        // there with the line selected, so that the next one can be typed over it.
        if (focusWidget() == m_zeile) {
            takeEditLine();
            event->accept();
            return;
        }
        // Elsewhere Enter presses the push button that has the focus and nothing else;
        // in a list or a radio button it leaves the dialog open.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->window() == this && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool DlgInput::focusNextPrevChild(bool next)
{
    // Tab walks the tab stops; a radio group is one stop, entered at its first button
    // and left from whichever of its buttons has the focus.
    QWidget *focus = focusWidget();
    int at = m_tabStops.indexOf(focus);
    if (at < 0) {
        for (QButtonGroup *g : { m_formatGroup, m_modeGroup, m_viewGroup, m_thinningGroup }) {
            if (auto *b = qobject_cast<QAbstractButton *>(focus); b && g->buttons().contains(b))
                at = m_tabStops.indexOf(g->button(0));
        }
    }
    const int count = static_cast<int>(m_tabStops.size());
    int target = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    for (int tries = 0; tries < count; ++tries) {
        QWidget *w = m_tabStops[target];
        if (w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        target = (target + (next ? 1 : count - 1)) % count;
    }
    return false;
}

void DlgInput::setWellCommand(std::function<void(QWidget *parent)> command)
{
    m_wellCommand = std::move(command);
    m_well->setVisible(static_cast<bool>(m_wellCommand));
}

DlgInput::~DlgInput()
{
    if (m_bWaitForRelease)
        qApp->removeEventFilter(this);
}
