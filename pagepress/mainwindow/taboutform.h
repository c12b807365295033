#pragma once
// TAboutForm: the modal about box. A skinned window with the installation's picture
// (Skins/about.bmp of the resource folder), the product version, the support and home page
// links, which open through the shell service when clicked, and the copyright line, all from
// the application context. OK closes it with the OK result, the close mark with Cancel.
// UI thread only.

#include "uikit/form.h"

class LinkLabel;
class QLabel;

namespace skin {
class TssSkinButton;
class TssSkinForm;
} // namespace skin

class TAboutForm final : public uikit::Form {
    Q_OBJECT

public:
    // Throws std::runtime_error when the picture cannot be read; no box exists then.
    explicit TAboutForm(QWidget* owner);

    QLabel* TntImage1() const { return m_TntImage1; }
    QLabel* lblVersion() const { return m_lblVersion; }
    LinkLabel* lblSupport() const { return m_lblSupport; }
    LinkLabel* lblHome() const { return m_lblHome; }
    QLabel* lblCopyright() const { return m_lblCopyright; }
    skin::TssSkinButton* ssSBOk() const { return m_ssSBOk; }
    skin::TssSkinButton* ssSBClose() const { return m_ssSBClose; }

    // Opens the text the link shows.
    void LinkLabelClick(const LinkLabel* sender);

private:
    QLabel* addLabel(const char* name, const QString& text, const QRect& geometry);

    skin::TssSkinForm* m_ssSkinForm1;
    QLabel* m_TntImage1 = nullptr;
    QLabel* m_lblVersion = nullptr;
    LinkLabel* m_lblSupport = nullptr;
    LinkLabel* m_lblHome = nullptr;
    QLabel* m_lblCopyright = nullptr;
    skin::TssSkinButton* m_ssSBOk;
    skin::TssSkinButton* m_ssSBClose;
};
