// The print preview: the report's A4 pages with logo header and footer, a bar
// with zoom, "Drucken...", "Abbruch" and "Als PDF speichern...".
#pragma once

#include "Druckregeln.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QFrame;
class QPrinter;
class QScrollArea;

namespace Fermalin {

class TBerichtSeiten;
class TColorButton;

class TDruckvorschau : public QWidget
{
    Q_OBJECT

public:
    explicit TDruckvorschau(const QString& html, QWidget* parent = nullptr);
    ~TDruckvorschau() override;

    int Seitenzahl() const;
    bool ToolInfoFehlt() const;
    double Zoom() const { return m_zoom; }

    // Prints to an already chosen printer: the page range rules, the copies with
    // or without collation, the job "Fermalin Ausdruck". Returns the alert, or
    // an empty text.
    QString Drucken(QPrinter& drucker, TDruckAuswahl auswahl, int von, int bis);
    // The same pages as on paper; false with the message shown.
    bool AlsPdfSpeichern(const QString& datei);

    // Controls
    QFrame* Leiste;
    QComboBox* ComboBox_Zoom;
    TColorButton* Button_Drucken;
    TColorButton* Button_Abbruch;
    TColorButton* Button_Pdf;
    QScrollArea* Seitenbereich;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape closes the preview as "Abbruch" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DruckenClick();
    void PdfClick();
    void ZoomAendern(int index);
    void Hinweis(const QString& text);

    QString m_html;
    std::unique_ptr<TBerichtSeiten> m_seiten;
    QWidget* m_flaeche;
    double m_zoom = 1.0;
    bool m_gezeigt = false;
};

} // namespace Fermalin
