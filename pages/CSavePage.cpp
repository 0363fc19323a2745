#include "CSavePage.h"

#include "CModePage.h"
#include "Finish.h"
#include "Platform.h"
#include "Strings.h"

#include <QLineEdit>

CSavePage::CSavePage() : WizardPage(IDD, IDC_FINISH), m_editPath(ControlAs<QLineEdit>(IDC_PATH)) {
    OnClicked(IDC_FINISH, [this] { OnFinish(); });
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
    OnClicked(IDC_BACK, [this] { RunNewPage<CModePage>(); });
    OnClicked(IDC_CANCEL, [this] { reject(); });
}

void CSavePage::OnFinish() {
    const QString path = m_editPath->text();
    if (path.isEmpty()) {
        Platform::ShowMessage(this, IDS_NEED_PATH);
        return;
    }
    // On failure the page stays with its path and the scratch files stay too,
    // so the user can try again, for example with another path.
    if (const FileResult written = WriteSlideshow(path, m_bCustom != 0, m_strStyle); !written) {
        Platform::ShowFileFailure(this, tr("The slideshow page could not be written."), written);
        return;
    }
    Platform::OpenInShell(path);
    accept();
}

void CSavePage::OnBrowse() {
    const Platform::SaveAsOptions options{
        {QStringLiteral("HTML Files (*.htm)"), QStringLiteral(" HTML files (*.html)")},
        QStringLiteral("htm"),
        QStringLiteral("*.htm")};
    if (const std::optional<QString> chosen = Platform::AskSaveAsPath(this, options))
        m_editPath->setText(*chosen);
}
