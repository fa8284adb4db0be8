#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
struct WindowControls;

// The file bar: the song's path, the Open button, AddLyrics (which becomes "Show Unsynched
// Lyrics" for a song with tag lyrics), the hidden folder and file boxes, and Close beside it.
class FileBar final : public QObject {
    Q_OBJECT
public:
    explicit FileBar(QObject* parent = nullptr);
    void place(WindowControls& ui) const;

    // The song shown: folder and bare name in the hidden boxes, the path in the file name box.
    void showSong(const QString& folder, const QString& name, const QString& path);
    QString fileName() const;
    // The song's tag holds lyrics: AddLyrics offers to show them.
    void offerTagLyrics();
    void showAddLyrics(bool shown);

    QPushButton* openButton() const { return m_open; }
    QPushButton* addLyricsButton() const { return m_addLyrics; }
    QPushButton* closeButton() const { return m_close; }
    QLineEdit* fileNameBox() const { return m_fileName; }

private:
    QPushButton* m_close;
    QFrame* m_frame;          // Frame1
    QLabel* m_fileNameLabel;  // Label5
    QLineEdit* m_fileName;    // txtFileName
    QPushButton* m_open;      // cmdOpen
    QPushButton* m_addLyrics; // cmdAddLyrics
    QLineEdit* m_songFolder;  // Text1, hidden
    QLineEdit* m_songFile;    // Text2, hidden
};
