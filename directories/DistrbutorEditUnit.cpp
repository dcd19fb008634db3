#include "directories/DistrbutorEditUnit.h"

#include "directories/AddressBox.h"
#include "ui/DateEdit.h"
#include "ui/FlatButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include <functional>

namespace tarvo {

namespace {

constexpr int BirthdayWidth = 130;
constexpr int AddressLinesShown = 3;

// An application-wide message hook: sees every event of the application
// before it is dispatched; the handler returns true to drop it.
class ApplicationEvents : public QObject
{
public:
    ApplicationEvents(std::function<bool(QObject *, QEvent *)> onMessage, QObject *parent)
        : QObject(parent)
        , m_onMessage(std::move(onMessage))
    {
        setObjectName(QStringLiteral("AE"));
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(this);
    }
    ~ApplicationEvents() override
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        return m_onMessage(receiver, event);
    }

private:
    std::function<bool(QObject *, QEvent *)> m_onMessage;
};

// The characters a phone number is typed with: digits, parentheses, hyphen
// and backspace.
bool isPhoneCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('(')
           || c == QLatin1Char(')') || c == QLatin1Char('-') || c == QChar(8);
}

// The character a key press types, or a null character when it types none:
// shortcuts (Ctrl, Alt) and the keys that move between fields or close the
// dialog (Tab, Escape) and Delete are keys, not typed characters.
QChar typedCharacter(const QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return {};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Backspace:
        return QChar(8);
    default:
        break;
    }
    const QString text = key->text();
    return text.size() == 1 ? text.at(0) : QChar();
}

} // namespace

TfmDistributorEdit::TfmDistributorEdit(QWidget *parent)
    : EditDialog(QStringLiteral("fmDistributorEdit"), QStringLiteral("Дистрибьютор"), 386, 281, parent)
{
    // Created in their tab order: name, address, birthday, phone.
    edFIO = new QLineEdit(this);
    edFIO->setObjectName(QStringLiteral("edFIO"));
    edFIO->setMaxLength(FioLength);
    mmAddress = new AddressBox(this);
    mmAddress->setObjectName(QStringLiteral("mmAddress"));
    mmAddress->setMaxStoredLength(AddressBox::DefaultMaxStoredLength);
    deBirthday = new ui::DateEdit(this);
    deBirthday->setObjectName(QStringLiteral("deBirthday"));
    deBirthday->setFixedWidth(BirthdayWidth);
    edPhone = new QLineEdit(this);
    edPhone->setObjectName(QStringLiteral("edPhone"));
    edPhone->setMaxLength(PhoneLength);
    setTabOrder(edFIO, mmAddress);
    setTabOrder(mmAddress, deBirthday);
    setTabOrder(deBirthday, edPhone);

    // Three text lines high.
    const QFontMetrics fm(mmAddress->font());
    mmAddress->setFixedHeight(AddressLinesShown * fm.lineSpacing()
                              + 2 * int(mmAddress->document()->documentMargin())
                              + 2 * mmAddress->frameWidth());

    QLabel *fioLabel = caption(QStringLiteral("ФИО"));
    fioLabel->setObjectName(QStringLiteral("lbFIO"));
    fioLabel->setBuddy(edFIO);
    QLabel *addressLabel = caption(QStringLiteral("Адрес"));
    addressLabel->setObjectName(QStringLiteral("lbAddress"));
    addressLabel->setBuddy(mmAddress);
    QLabel *phoneLabel = caption(QStringLiteral("Телефон"));
    phoneLabel->setObjectName(QStringLiteral("lbPhone"));
    phoneLabel->setBuddy(edPhone);
    QLabel *birthdayLabel = caption(QStringLiteral("Дата рождения"));
    birthdayLabel->setObjectName(QStringLiteral("lbBirthday"));
    birthdayLabel->setBuddy(deBirthday);

    auto *phone = new QVBoxLayout;
    phone->setSpacing(2);
    phone->addWidget(phoneLabel);
    phone->addWidget(edPhone);
    auto *birthday = new QVBoxLayout;
    birthday->setSpacing(2);
    birthday->addWidget(birthdayLabel);
    birthday->addWidget(deBirthday);
    auto *lastRow = new QHBoxLayout;
    lastRow->setSpacing(24);
    lastRow->addLayout(phone, 1);
    lastRow->addLayout(birthday);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(8, 6, 8, 8);
    main->setSpacing(2);
    main->addWidget(codeRow());
    main->addSpacing(2);
    main->addWidget(fioLabel);
    main->addWidget(edFIO);
    main->addSpacing(6);
    main->addWidget(addressLabel);
    main->addWidget(mmAddress);
    main->addSpacing(6);
    main->addLayout(lastRow);
    main->addStretch(1);
    main->addLayout(buttonRow());

    for (QWidget *field : {static_cast<QWidget *>(edFIO), static_cast<QWidget *>(mmAddress),
                           static_cast<QWidget *>(deBirthday), static_cast<QWidget *>(edPhone)})
        previewKeys(field);
    connect(edFIO, &QLineEdit::textChanged, this, &TfmDistributorEdit::edFIOChange);
    connect(mmAddress, &QPlainTextEdit::textChanged, this, &TfmDistributorEdit::edFIOChange);
    connect(deBirthday, &ui::DateEdit::changed, this, &TfmDistributorEdit::edFIOChange);

    AE = new ApplicationEvents(
        [this](QObject *receiver, QEvent *message) { return AEMessage(receiver, message); }, this);

    prepareAdd();
}

TfmDistributorEdit::~TfmDistributorEdit()
{
    // The hook goes first: it must not see the events of the dialog's
    // destruction.
    delete AE;
    AE = nullptr;
}

void TfmDistributorEdit::prepareAdd()
{
    hideCode();
    edFIO->clear();
    mmAddress->clear();
    deBirthday->setDate(std::nullopt);
    edPhone->clear();
}

void TfmDistributorEdit::prepareChange(int idDistributor, const DistributorEntry &distributor)
{
    showCode(idDistributor);
    edFIO->setText(distributor.fio);
    mmAddress->setLines(distributor.address);
    deBirthday->setDate(distributor.birthday);
    edPhone->setText(distributor.phone);
}

DistributorEntry TfmDistributorEdit::entry() const
{
    return {edFIO->text(), mmAddress->lines(), edPhone->text(), deBirthday->date()};
}

bool TfmDistributorEdit::event(QEvent *event)
{
    const bool result = EditDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return result;
}

void TfmDistributorEdit::FormActivate()
{
    CheckOk();
}

void TfmDistributorEdit::edFIOChange()
{
    CheckOk();
}

void TfmDistributorEdit::CheckOk()
{
    rsbOk->setEnabled(!edFIO->text().isEmpty() && !mmAddress->toPlainText().isEmpty()
                      && deBirthday->date().has_value());
}

bool TfmDistributorEdit::AEMessage(QObject *receiver, QEvent *message)
{
    if (message->type() != QEvent::KeyPress || receiver != edPhone || !edPhone->hasFocus()
        || !isActiveWindow())
        return false;
    const QChar typed = typedCharacter(static_cast<QKeyEvent *>(message));
    return !typed.isNull() && !isPhoneCharacter(typed);
}

} // namespace tarvo
