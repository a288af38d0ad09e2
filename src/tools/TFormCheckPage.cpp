#include "tools/TFormCheckPage.h"

#include "tools/RowTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
namespace T {
const QString checkAgain = QStringLiteral("Check &Again");
const QString close = QStringLiteral("&Close");
const QString summary = QStringLiteral("%1 errors, %2 warnings.");
const QStringList headings{QStringLiteral("Line"), QStringLiteral("Column"), QStringLiteral("Kind"),
                           QStringLiteral("Message")};
} // namespace T
} // namespace

TFormCheckPage::TFormCheckPage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCheckPage"));
    setWindowTitle(HtmlTidyTexts::checkCaption);
    auto *layout = new QVBoxLayout(this);
    m_model = new CheckPageModel(
        T::headings,
        [](const HtmlTidy::Message &message, int column, int role) -> QVariant {
            if (role != Qt::DisplayRole)
                return {};
            switch (column) {
            case 0:
                return message.line > 0 ? QVariant(message.line) : QVariant();
            case 1:
                return message.line > 0 ? QVariant(message.column) : QVariant();
            case 2:
                return HtmlTidy::levelText(message.level);
            default:
                return message.text;
            }
        },
        this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ListViewMessages"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->resizeSection(0, 60);
    m_list->header()->resizeSection(1, 60);
    m_list->header()->resizeSection(2, 90);
    layout->addWidget(m_list, 1);
    connect(m_list, &QTreeView::doubleClicked, this, &TFormCheckPage::ListViewMessagesDblClick);

    auto *row = new QHBoxLayout;
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("LabelSummary"));
    row->addWidget(m_summary, 1);
    auto *again = new QPushButton(T::checkAgain, this);
    again->setObjectName(QStringLiteral("BitBtnCheckAgain"));
    auto *close = new QPushButton(T::close, this);
    close->setObjectName(QStringLiteral("BitBtnClose"));
    row->addWidget(again);
    row->addWidget(close);
    layout->addLayout(row);
    connect(again, &QPushButton::clicked, this, &TFormCheckPage::checkAgainRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(720, 420);
}

TFormCheckPage::~TFormCheckPage() = default;

void TFormCheckPage::showMessages(const QList<HtmlTidy::Message> &messages)
{
    m_model->setRows(messages);
    int errors = 0;
    for (const HtmlTidy::Message &message : messages)
        errors += message.level != HtmlTidy::Level::Warning && message.level != HtmlTidy::Level::Accessibility;
    m_summary->setText(messages.isEmpty() ? HtmlTidyTexts::noMessages
                                          : T::summary.arg(errors).arg(messages.size() - errors));
}

const QList<HtmlTidy::Message> &TFormCheckPage::messages() const
{
    return m_model->rows();
}

QString TFormCheckPage::summary() const
{
    return m_summary->text();
}

void TFormCheckPage::ListViewMessagesDblClick(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= messages().size())
        return;
    const HtmlTidy::Message &message = messages().at(index.row());
    if (message.line > 0)
        Q_EMIT goToRequested(message.line, message.column);
}
