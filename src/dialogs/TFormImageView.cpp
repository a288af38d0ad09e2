#include "dialogs/TFormImageView.h"

#include "config/PictureFiles.h"
#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "imaging/TPictureView.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "project/FilesPanel.h"
#include "project/FilesTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using PowerWidgets::named;

namespace {
constexpr int kMaxBorder = 10;

// The drive box: the roots of the file system.
QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
}
} // namespace

TFormImageView::TFormImageView(Prompts &prompts, Clipboard &clipboard, PowerResult &result,
                               const QString &relativeImagePath, const QString &startFolder, const QString &picture,
                               QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_clipboard(clipboard), m_result(result), m_openingPicture(picture)
{
    setObjectName(QStringLiteral("FormImageView"));
    setWindowTitle(ImageViewTexts::caption);
    m_result.reset();

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;

    auto *browser = new QVBoxLayout;
    browser->addWidget(new QLabel(QStringLiteral("Select Image File:"), this));
    m_driveBox = named(new QComboBox(this), "DriveComboBox1");
    m_driveBox->addItems(driveRoots());
    m_folders = named(new DirectoryListBox(this), "DirectoryListBox1");
    m_files = named(new QListWidget(this), "FileListBox1");
    browser->addWidget(m_driveBox);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_folders, 1);
    lists->addWidget(m_files, 1);
    browser->addLayout(lists, 1);
    top->addLayout(browser, 1);

    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(QStringLiteral("Image Preview Window:"), this));
    auto *previewPanel = named(new QFrame(this), "PanelPreview");
    previewPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    previewPanel->setMinimumSize(220, 160);
    m_preview = named(new TPictureView(prompts, previewPanel), "ImagePreview");
    (new QVBoxLayout(previewPanel))->addWidget(m_preview);
    previewColumn->addWidget(previewPanel, 1);
    m_label1 = named(new QLabel(ImageViewTexts::label1, this), "Label1");
    m_label2 = named(new QLabel(ImageViewTexts::label2, this), "Label2");
    m_label3 = named(new QLabel(ImageViewTexts::label3, this), "Label3");
    previewColumn->addWidget(m_label1);
    previewColumn->addWidget(m_label2);
    previewColumn->addWidget(m_label3);
    top->addLayout(previewColumn, 1);
    layout->addLayout(top, 1);

    auto *data = new QGroupBox(QStringLiteral("<IMAGE>Tag Data  "), this);
    auto *grid = new QGridLayout(data);
    m_editSource = named(new QLineEdit(data), "EditIMGSource");
    m_editAlt = named(new QLineEdit(data), "EditIMGAlt");
    m_editWidth = named(new QLineEdit(data), "EditIMGWidth");
    m_editHeight = named(new QLineEdit(data), "EditIMGHeight");
    m_comboAlign = named(new QComboBox(data), "ComboBoxAlign");
    m_comboAlign->setEditable(true);
    m_comboAlign->addItems({QStringLiteral("RIGHT"), QStringLiteral("LEFT"), QStringLiteral("TOP"),
                            QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"), QStringLiteral("BASELINE"),
                            QStringLiteral("TEXTTOP")});
    m_comboAlign->setCurrentIndex(-1);
    m_comboAlign->setEditText(QString());
    m_spinBorder = named(new QSpinBox(data), "SpinBorder");
    m_spinBorder->setRange(0, kMaxBorder);
    m_checkIsmap = named(new QCheckBox(QStringLiteral("ISMAP"), data), "CheckISMAP");
    m_checkRelative =
        named(new QCheckBox(QStringLiteral("Insert this relative path to images"), data), "CheckRelative");
    m_editRelativePath = named(new QLineEdit(relativeImagePath, data), "EditRelativePath");
    m_editRelativePath->installEventFilter(this);

    grid->addWidget(new QLabel(QStringLiteral("Source"), data), 0, 0);
    grid->addWidget(m_editSource, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("(no \" \" marks required)"), data), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Alt Text"), data), 1, 0);
    grid->addWidget(m_editAlt, 1, 1, 1, 2);
    auto *sizes = new QHBoxLayout;
    sizes->addWidget(new QLabel(QStringLiteral("Width"), data));
    sizes->addWidget(m_editWidth);
    sizes->addWidget(new QLabel(QStringLiteral("Height"), data));
    sizes->addWidget(m_editHeight);
    sizes->addWidget(new QLabel(QStringLiteral("Align"), data));
    sizes->addWidget(m_comboAlign);
    sizes->addWidget(new QLabel(QStringLiteral("Border"), data));
    sizes->addWidget(m_spinBorder);
    sizes->addWidget(m_checkIsmap);
    grid->addLayout(sizes, 2, 0, 1, 3);
    grid->addWidget(m_checkRelative, 3, 0, 1, 2);
    grid->addWidget(m_editRelativePath, 4, 0, 1, 3);
    auto *note =
        new QLabel(QStringLiteral("Use this when your images are stored in a location different from your HTML "
                                  "file:   Example:    /data/images/"),
                   data);
    note->setWordWrap(true);
    grid->addWidget(note, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addWidget(data);

    auto *tagRow = new QHBoxLayout;
    tagRow->addWidget(new QLabel(QStringLiteral("<IMG> Tag"), this));
    m_editDummy = PowerWidgets::resultField("EditDummy", ImageViewTexts::editDummyPrompt, this);
    tagRow->addWidget(m_editDummy, 1);
    layout->addLayout(tagRow);

    auto *buttons = new QHBoxLayout;
    auto *insert = named(new QPushButton(QStringLiteral("Insert Tag into HTML file"), this), "BitBtnInsert");
    insert->setToolTip(QStringLiteral("Insert this tag into the open HTML file"));
    insert->setAutoDefault(false);
    auto *copy = named(new QPushButton(QStringLiteral("Copy Tag to Clipboard"), this), "BitBtnClipboard");
    copy->setAutoDefault(false);
    auto *close = named(new QPushButton(QStringLiteral("&Close"), this), "Button1");
    close->setDefault(true);
    buttons->addWidget(insert);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(760, 640);

    connect(m_driveBox, &QComboBox::activated, this, &TFormImageView::DriveComboBox1Change);
    connect(m_folders, &DirectoryListBox::directoryChanged, this, &TFormImageView::DirectoryListBox1Change);
    connect(m_files, &QListWidget::itemClicked, this, &TFormImageView::FileListBox1Click);
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            m_editSource->setText(name);
    });
    // A folder that is gone leaves the browser where it was.
    if (m_folders->setDirectory(startFolder)) {
        const int drive = m_driveBox->findText(FilesPanel::driveOf(m_folders->directory(), driveRoots()));
        if (drive >= 0)
            m_driveBox->setCurrentIndex(drive);
    }

    for (QLineEdit *edit : {m_editSource, m_editAlt, m_editWidth, m_editHeight, m_editRelativePath})
        connect(edit, &QLineEdit::textChanged, this, &TFormImageView::rebuild);
    connect(m_comboAlign, &QComboBox::editTextChanged, this, &TFormImageView::rebuild);
    connect(m_spinBorder, &QSpinBox::valueChanged, this, &TFormImageView::rebuild);
    connect(m_checkIsmap, &QCheckBox::toggled, this, &TFormImageView::rebuild);
    connect(m_checkRelative, &QCheckBox::toggled, this, &TFormImageView::rebuild);
    connect(insert, &QPushButton::clicked, this, &TFormImageView::BitBtnInsertClick);
    connect(copy, &QPushButton::clicked, this, &TFormImageView::BitBtnClipboardClick);
    connect(close, &QPushButton::clicked, this, &TFormImageView::Button1Click);
    showTextsAsPlainText(this);
}

QString TFormImageView::relativeImagePath() const
{
    return m_editRelativePath->text();
}

QString TFormImageView::currentFolder() const
{
    return m_folders->directory();
}

ImgFields TFormImageView::fields() const
{
    ImgFields f;
    f.source = m_editSource->text();
    f.alt = m_editAlt->text();
    f.width = m_editWidth->text();
    f.height = m_editHeight->text();
    f.align = m_comboAlign->currentText();
    f.border = m_spinBorder->value();
    f.ismap = m_checkIsmap->isChecked();
    f.relative = m_checkRelative->isChecked();
    f.relativePath = m_editRelativePath->text();
    return f;
}

void TFormImageView::setFields(const ImgFields &fields)
{
    m_editSource->setText(fields.source);
    m_editAlt->setText(fields.alt);
    m_editWidth->setText(fields.width);
    m_editHeight->setText(fields.height);
    m_comboAlign->setEditText(fields.align);
    m_spinBorder->setValue(fields.border);
    m_checkIsmap->setChecked(fields.ismap);
    m_checkRelative->setChecked(fields.relative);
    rebuild();
}

void TFormImageView::rebuild()
{
    PowerWidgets::showBuilt(m_editDummy, ImgTagBuilder::tag(fields()));
}

void TFormImageView::DriveComboBox1Change(int index)
{
    m_folders->setDirectory(m_driveBox->itemText(index));
}

void TFormImageView::DirectoryListBox1Change(const QString &folder)
{
    m_files->clear();
    m_files->addItems(FilesPanel::withoutRepeats(FilesPanel::listFolder(folder, PictureFiles::masks())));
}

bool TFormImageView::loadPicture(const QString &path, const QString &labelPrefix)
{
    m_preview->Reset();
    // The whole picture fits the preview with its proportions kept.
    m_preview->setStretchRatio(true);
    m_preview->setAutoSize(false);
    if (m_preview->load(path) != LoadOutcome::Loaded || !m_preview->facts().valid) {
        m_prompts.information(ImageViewTexts::cannotOpen);
        return false;
    }
    const ImageFacts &facts = m_preview->facts();
    m_editSource->setText(fileNamePart(path));
    m_editWidth->setText(QString::number(facts.width));
    m_editHeight->setText(QString::number(facts.height));
    m_label1->setText(ImgTagBuilder::dimensionText(labelPrefix, facts.width, facts.height));
    m_label2->setText(ImgTagBuilder::sizeText(labelPrefix, facts.fileSize));
    m_label3->setText(QDir::toNativeSeparators(path)); // as on disk, not upper-cased
    return true;
}

void TFormImageView::FileListBox1Click()
{
    const QListWidgetItem *item = m_files->currentItem();
    if (item)
        loadPicture(FilesPanel::joinPath(currentFolder(), item->text()), QString());
}

void TFormImageView::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_preview->Reset();
    if (!m_openingPicture.isEmpty())
        loadPicture(m_openingPicture, QStringLiteral("File "));
}

bool TFormImageView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editRelativePath && event->type() == QEvent::MouseButtonPress)
        rebuild();
    return QDialog::eventFilter(watched, event);
}

void TFormImageView::finish(bool insert)
{
    if (m_editSource->text().isEmpty()) {
        m_prompts.information(ImageViewTexts::noSource);
        return;
    }
    const QString tag = ImgTagBuilder::tag(fields());
    PowerWidgets::showBuilt(m_editDummy, tag);
    handOver(m_result, m_clipboard, tag, insert);
    accept();
}

void TFormImageView::BitBtnInsertClick()
{
    finish(true);
}

void TFormImageView::BitBtnClipboardClick()
{
    finish(false);
}

void TFormImageView::Button1Click()
{
    m_result.insert = false;
    reject();
}
