#pragma once
// OptionsPanel: the conversion options of the main window (output type, resolution, play
// speed, page range, output folder) as plain controls placed on the skin's options box.
// It only builds and lays out the controls; the window reads and writes them. UI thread only.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace skin {
class TssSkinButton;
} // namespace skin

class OptionsPanel : public QWidget {
    Q_OBJECT

public:
    explicit OptionsPanel(QWidget* parent = nullptr);

    QComboBox* cboOutputType() const { return m_cboOutputType; }
    QLineEdit* edtResolution() const { return m_edtResolution; }
    QLineEdit* edtFramerate() const { return m_edtFramerate; }
    QRadioButton* rbAllPages() const { return m_rbAllPages; }
    QRadioButton* rbPages() const { return m_rbPages; }
    QLineEdit* edtPages() const { return m_edtPages; }
    QLineEdit* edtOutputFolder() const { return m_edtOutputFolder; }
    // Shows a folder from its beginning (a long path is cut at its end, not its start).
    void showOutputFolder(const QString& folder);
    skin::TssSkinButton* btnBrowes() const { return m_btnBrowes; }
    skin::TssSkinButton* btnOpen() const { return m_btnOpen; }

private:
    QLabel* addLabel(const char* name, const QString& text, const QRect& geometry);
    QLabel* addHeading(const char* name, const QString& text, const QRect& geometry);

    QComboBox* m_cboOutputType;
    QLineEdit* m_edtResolution;
    QLineEdit* m_edtFramerate;
    QRadioButton* m_rbAllPages;
    QRadioButton* m_rbPages;
    QLineEdit* m_edtPages;
    QLineEdit* m_edtOutputFolder;
    skin::TssSkinButton* m_btnBrowes;
    skin::TssSkinButton* m_btnOpen;
};
