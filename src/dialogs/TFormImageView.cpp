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
#include "ui_TFormImageView.h"

#include <QDir>
#include <QFileInfo>

using PowerWidgets::named;

namespace {
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
    : QDialog(parent), m_prompts(prompts), m_clipboard(clipboard), m_result(result), m_openingPicture(picture),
      m_ui(std::make_unique<Ui::TFormImageView>())
{
    m_ui->setupUi(this);
    setWindowTitle(ImageViewTexts::caption);
    m_result.reset();

    m_ui->DriveComboBox1->addItems(driveRoots());
    m_preview = named(new TPictureView(prompts, m_ui->PanelPreview), "ImagePreview");
    m_ui->PanelPreview->layout()->addWidget(m_preview);
    m_ui->EditRelativePath->setText(relativeImagePath);
    m_ui->EditRelativePath->installEventFilter(this);
    PowerWidgets::paintAsResult(m_ui->EditDummy);
    m_ui->EditDummy->setText(ImageViewTexts::editDummyPrompt);

    connect(m_ui->DriveComboBox1, &QComboBox::activated, this, &TFormImageView::DriveComboBox1Change);
    connect(m_ui->DirectoryListBox1, &DirectoryListBox::directoryChanged, this,
            &TFormImageView::DirectoryListBox1Change);
    connect(m_ui->FileListBox1, &QListWidget::itemClicked, this, &TFormImageView::FileListBox1Click);
    connect(m_ui->FileListBox1, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            m_ui->EditIMGSource->setText(name);
    });
    // A folder that is gone leaves the browser where it was.
    if (m_ui->DirectoryListBox1->setDirectory(startFolder)) {
        const int drive =
            m_ui->DriveComboBox1->findText(FilesPanel::driveOf(m_ui->DirectoryListBox1->directory(), driveRoots()));
        if (drive >= 0)
            m_ui->DriveComboBox1->setCurrentIndex(drive);
    }

    for (QLineEdit *edit :
         {m_ui->EditIMGSource, m_ui->EditIMGAlt, m_ui->EditIMGWidth, m_ui->EditIMGHeight, m_ui->EditRelativePath})
        connect(edit, &QLineEdit::textChanged, this, &TFormImageView::rebuild);
    connect(m_ui->ComboBoxAlign, &QComboBox::editTextChanged, this, &TFormImageView::rebuild);
    connect(m_ui->SpinBorder, &QSpinBox::valueChanged, this, &TFormImageView::rebuild);
    connect(m_ui->CheckISMAP, &QCheckBox::toggled, this, &TFormImageView::rebuild);
    connect(m_ui->CheckRelative, &QCheckBox::toggled, this, &TFormImageView::rebuild);
    connect(m_ui->BitBtnInsert, &QPushButton::clicked, this, &TFormImageView::BitBtnInsertClick);
    connect(m_ui->BitBtnClipboard, &QPushButton::clicked, this, &TFormImageView::BitBtnClipboardClick);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TFormImageView::Button1Click);
    showTextsAsPlainText(this);
}

TFormImageView::~TFormImageView() = default;

QString TFormImageView::relativeImagePath() const
{
    return m_ui->EditRelativePath->text();
}

QString TFormImageView::currentFolder() const
{
    return m_ui->DirectoryListBox1->directory();
}

ImgFields TFormImageView::fields() const
{
    ImgFields f;
    f.source = m_ui->EditIMGSource->text();
    f.alt = m_ui->EditIMGAlt->text();
    f.width = m_ui->EditIMGWidth->text();
    f.height = m_ui->EditIMGHeight->text();
    f.align = m_ui->ComboBoxAlign->currentText();
    f.border = m_ui->SpinBorder->value();
    f.ismap = m_ui->CheckISMAP->isChecked();
    f.relative = m_ui->CheckRelative->isChecked();
    f.relativePath = m_ui->EditRelativePath->text();
    return f;
}

void TFormImageView::setFields(const ImgFields &fields)
{
    m_ui->EditIMGSource->setText(fields.source);
    m_ui->EditIMGAlt->setText(fields.alt);
    m_ui->EditIMGWidth->setText(fields.width);
    m_ui->EditIMGHeight->setText(fields.height);
    m_ui->ComboBoxAlign->setEditText(fields.align);
    m_ui->SpinBorder->setValue(fields.border);
    m_ui->CheckISMAP->setChecked(fields.ismap);
    m_ui->CheckRelative->setChecked(fields.relative);
    rebuild();
}

void TFormImageView::rebuild()
{
    PowerWidgets::showBuilt(m_ui->EditDummy, ImgTagBuilder::tag(fields()));
}

void TFormImageView::DriveComboBox1Change(int index)
{
    m_ui->DirectoryListBox1->setDirectory(m_ui->DriveComboBox1->itemText(index));
}

void TFormImageView::DirectoryListBox1Change(const QString &folder)
{
    m_ui->FileListBox1->clear();
    m_ui->FileListBox1->addItems(FilesPanel::withoutRepeats(FilesPanel::listFolder(folder, PictureFiles::masks())));
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
    m_ui->EditIMGSource->setText(fileNamePart(path));
    m_ui->EditIMGWidth->setText(QString::number(facts.width));
    m_ui->EditIMGHeight->setText(QString::number(facts.height));
    m_ui->Label1->setText(ImgTagBuilder::dimensionText(labelPrefix, facts.width, facts.height));
    m_ui->Label2->setText(ImgTagBuilder::sizeText(labelPrefix, facts.fileSize));
    m_ui->Label3->setText(QDir::toNativeSeparators(path)); // as on disk, not upper-cased
    return true;
}

void TFormImageView::FileListBox1Click()
{
    const QListWidgetItem *item = m_ui->FileListBox1->currentItem();
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
    if (watched == m_ui->EditRelativePath && event->type() == QEvent::MouseButtonPress)
        rebuild();
    return QDialog::eventFilter(watched, event);
}

void TFormImageView::finish(bool insert)
{
    if (m_ui->EditIMGSource->text().isEmpty()) {
        m_prompts.information(ImageViewTexts::noSource);
        return;
    }
    const QString tag = ImgTagBuilder::tag(fields());
    PowerWidgets::showBuilt(m_ui->EditDummy, tag);
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
