#include "options/TidyOptionsBox.h"

#include "config/Settings.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
namespace T {
const QString title = QStringLiteral("Tidy Page (Tools menu):");
const QString indent = QStringLiteral("Indent the tidied page");
const QString upperCase = QStringLiteral("Tags and attributes in upper case, as this program writes them");
const QString keepDoctype = QStringLiteral("Keep the page's <!DOCTYPE> as it is");
} // namespace T

QCheckBox *checkBox(const char *name, const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}
} // namespace

TidyOptionsBox::TidyOptionsBox(const Settings &settings, QWidget *parent) : QGroupBox(T::title, parent)
{
    setObjectName(QStringLiteral("GroupTidy"));
    auto *layout = new QVBoxLayout(this);
    m_indent = checkBox("CheckTidyIndent", T::indent, settings.flag(SettingKey::TidyIndent), this);
    m_upperCase = checkBox("CheckTidyUpperCase", T::upperCase, settings.flag(SettingKey::TidyUpperCase), this);
    m_keepDoctype = checkBox("CheckTidyKeepDoctype", T::keepDoctype, settings.flag(SettingKey::TidyKeepDoctype), this);
    for (QCheckBox *box : {m_indent, m_upperCase, m_keepDoctype})
        layout->addWidget(box);
}

void TidyOptionsBox::apply(Settings &settings) const
{
    settings.storeFlag(SettingKey::TidyIndent, m_indent->isChecked());
    settings.storeFlag(SettingKey::TidyUpperCase, m_upperCase->isChecked());
    settings.storeFlag(SettingKey::TidyKeepDoctype, m_keepDoctype->isChecked());
}
