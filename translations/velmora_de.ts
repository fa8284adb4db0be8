<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AdjustControls</name>
    <message>
        <source>%1: %2, so it was left unchanged.</source>
        <translation>%1: %2, daher blieb sie unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lines were left unchanged; %2.</source>
        <translation>
            <numerusform>%1: %n Zeile blieb unverändert; %2.</numerusform>
            <numerusform>%1: %n Zeilen blieben unverändert; %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>Auswahl verschieben</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>Alle verschieben</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n selected lines adjusted.</source>
        <translation>
            <numerusform>%1: %n ausgewählte Zeile verschoben.</numerusform>
            <numerusform>%1: %n ausgewählte Zeilen verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: line %2 has no time to move.</source>
        <translation>%1: Zeile %2 hat keine Zeit, die sich verschieben ließe.</translation>
    </message>
    <message>
        <source>%1: the amount is too large to step.</source>
        <translation>%1: der Betrag ist zu groß für einen Schritt.</translation>
    </message>
    <message>
        <source>%1: the spinner stops at %2 seconds; type a larger amount.</source>
        <translation>%1: die Pfeile enden bei %2 Sekunden; einen größeren Betrag bitte eintippen.</translation>
    </message>
    <message>
        <source>%1: type the seconds to move by in the box beside it.</source>
        <translation>%1: die Sekunden, um die verschoben werden soll, bitte in das Feld daneben eintippen.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of seconds, so nothing was moved.</source>
        <translation>%1: „%2“ ist keine Zahl von Sekunden, daher wurde nichts verschoben.</translation>
    </message>
</context>
<context>
    <name>AlignAudio</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>sie enthält keinen dekodierbaren Ton</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot save the lyrics to %1: %2; the file there before is unchanged</source>
        <translation>Der Liedtext kann nicht in %1 gespeichert werden: %2; die Datei, die dort war, ist unverändert</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es ist %1, keine reguläre Datei</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>it lies on a file system mounted read-only</source>
        <translation>sie liegt auf einem schreibgeschützt eingehängten Dateisystem</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>ihr Ordner nimmt keine temporäre Datei an</translation>
    </message>
    <message>
        <source>a new file could not be given its owner and group</source>
        <translation>einer neuen Datei konnten Besitzer und Gruppe nicht gegeben werden</translation>
    </message>
    <message>
        <source>the file could not be written in full</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2</source>
        <translation>Der Liedtext kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved %1 in place: %2, so the save was not atomic</source>
        <translation>%1 direkt überschrieben: %2, daher war das Speichern nicht atomar</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2; nothing was written</source>
        <translation>Der Liedtext kann nicht in %1 gespeichert werden: %2; es wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>the Vorbis comment LYRICS</source>
        <translation>den Vorbis-Kommentar LYRICS</translation>
    </message>
    <message>
        <source>the MP4 lyrics item (©lyr)</source>
        <translation>das MP4-Liedtextfeld (©lyr)</translation>
    </message>
    <message>
        <source>the ID3v2 tag (USLT)</source>
        <translation>das ID3v2-Tag (USLT)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3);;Audio files (%1)</source>
        <translation>MP3s (*.mp3);;Audiodateien (%1)</translation>
    </message>
</context>
<context>
    <name>AudioLayout</name>
    <message>
        <source>its format has no lyrics field here</source>
        <translation>sein Format hat hier kein Liedtextfeld</translation>
    </message>
    <message>
        <source>it is not a FLAC file</source>
        <translation>es ist keine FLAC-Datei</translation>
    </message>
    <message>
        <source>its FLAC metadata is cut short</source>
        <translation>seine FLAC-Metadaten sind abgeschnitten</translation>
    </message>
    <message>
        <source>its stream information is damaged</source>
        <translation>seine Streaminformation ist beschädigt</translation>
    </message>
    <message>
        <source>its Vorbis comments are damaged</source>
        <translation>seine Vorbis-Kommentare sind beschädigt</translation>
    </message>
    <message>
        <source>the lyrics are too long for a FLAC comment block</source>
        <translation>der Liedtext ist zu lang für einen FLAC-Kommentarblock</translation>
    </message>
    <message>
        <source>it is not an MP4 file</source>
        <translation>es ist keine MP4-Datei</translation>
    </message>
    <message>
        <source>the lyrics are too long for its tag</source>
        <translation>der Liedtext ist zu lang für sein Tag</translation>
    </message>
    <message>
        <source>it is a fragmented MP4 file, whose audio could not be moved</source>
        <translation>es ist eine fragmentierte MP4-Datei, deren Audio nicht verschoben werden konnte</translation>
    </message>
    <message>
        <source>its chunk offsets are damaged</source>
        <translation>seine Chunk-Offsets sind beschädigt</translation>
    </message>
    <message>
        <source>its chunk offsets would not fit</source>
        <translation>seine Chunk-Offsets würden nicht passen</translation>
    </message>
    <message>
        <source>it is not an Ogg file</source>
        <translation>es ist keine Ogg-Datei</translation>
    </message>
    <message>
        <source>it holds no Vorbis, Opus or FLAC audio</source>
        <translation>es enthält kein Vorbis-, Opus- oder FLAC-Audio</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged</source>
        <translation>seine Ogg-Kopfseiten sind beschädigt</translation>
    </message>
    <message>
        <source>its header pages hold audio too, which this program does not lay out anew</source>
        <translation>seine Kopfseiten enthalten auch Audio, das dieses Programm nicht neu anordnet</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged (a checksum does not match)</source>
        <translation>seine Ogg-Kopfseiten sind beschädigt (eine Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>es ist keine WAV-Datei</translation>
    </message>
    <message>
        <source>its format chunk is damaged</source>
        <translation>sein Format-Chunk ist beschädigt</translation>
    </message>
    <message>
        <source>the lyrics are too long for a WAV chunk</source>
        <translation>der Liedtext ist zu lang für einen WAV-Chunk</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>create it with: velmora-dbsetup &quot;%1&quot;</source>
        <translation>legen Sie sie an mit: velmora-dbsetup &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 not found; %2</source>
        <translation>%1 nicht gefunden; %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not the jukebox database; move it aside and %2</source>
        <translation>%1 ist ein Ordner, nicht die Jukebox-Datenbank; verschieben Sie ihn und %2</translation>
    </message>
    <message>
        <source>Cannot read the jukebox database %1: allow this program to read and write it</source>
        <translation>Die Jukebox-Datenbank %1 kann nicht gelesen werden: erlauben Sie diesem Programm, sie zu lesen und zu schreiben</translation>
    </message>
    <message>
        <source>%1 is an Access (Jet) database; this program needs the SQLite form of the jukebox database: move the file aside and %2</source>
        <translation>%1 ist eine Access-Datenbank (Jet); dieses Programm braucht die SQLite-Form der Jukebox-Datenbank: verschieben Sie die Datei und %2</translation>
    </message>
    <message>
        <source>%1 is not a database; move it aside and %2</source>
        <translation>%1 ist keine Datenbank; verschieben Sie sie und %2</translation>
    </message>
    <message>
        <source>The jukebox database %1 has no table %2; add it with: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>Die Jukebox-Datenbank %1 hat keine Tabelle %2; fügen Sie sie hinzu mit: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The jukebox database %1 lacks the column %2 that &quot;%3&quot; needs; the Lyrics table must have LineNumber, FileName, TimeMarker and LyricLine</source>
        <translation>Der Jukebox-Datenbank %1 fehlt die Spalte %2, die &quot;%3&quot; braucht; die Tabelle Lyrics muss LineNumber, FileName, TimeMarker und LyricLine haben</translation>
    </message>
    <message>
        <source>The jukebox database %1 is locked by another program (the jukebox?); try again in a moment</source>
        <translation>Die Jukebox-Datenbank %1 ist von einem anderen Programm gesperrt (der Jukebox?); versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>The jukebox database %1 is read-only; allow writing to it and to its folder</source>
        <translation>Die Jukebox-Datenbank %1 ist schreibgeschützt; erlauben Sie das Schreiben in sie und in ihren Ordner</translation>
    </message>
    <message>
        <source>The jukebox database %1 could not be written: the disk is full</source>
        <translation>Die Jukebox-Datenbank %1 konnte nicht geschrieben werden: der Datenträger ist voll</translation>
    </message>
    <message>
        <source>Cannot use the jukebox database %1 (%2); the disk may be full, or this program may not be allowed to read and write it and its folder</source>
        <translation>Die Jukebox-Datenbank %1 kann nicht benutzt werden (%2); vielleicht ist der Datenträger voll, oder dieses Programm darf sie und ihren Ordner nicht lesen und schreiben</translation>
    </message>
    <message>
        <source>Cannot open the jukebox database %1 (%2); allow this program to read and write it and its folder</source>
        <translation>Die Jukebox-Datenbank %1 kann nicht geöffnet werden (%2); erlauben Sie diesem Programm, sie und ihren Ordner zu lesen und zu schreiben</translation>
    </message>
    <message>
        <source>The jukebox database %1 refused &quot;%2&quot;: %3</source>
        <translation>Die Jukebox-Datenbank %1 hat &quot;%2&quot; abgelehnt: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2); move it aside and %3</source>
        <translation>%1 ist keine reguläre Datei (%2); verschieben Sie sie und %3</translation>
    </message>
    <message>
        <source>The jukebox database %1 has a trigger &quot;%2&quot; on its Lyrics table, which this program will not run; remove it with: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</source>
        <translation>Die Jukebox-Datenbank %1 hat einen Trigger &quot;%2&quot; auf ihrer Tabelle Lyrics, den dieses Programm nicht ausführt; entfernen Sie ihn mit: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</translation>
    </message>
    <message>
        <source>The jukebox database %1 holds Lyrics as a %2, not a plain table; replace it with: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; and then: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>Die Jukebox-Datenbank %1 enthält Lyrics als %2, nicht als einfache Tabelle; ersetzen Sie sie mit: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; und danach: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>virtual table</source>
        <translation>virtuelle Tabelle</translation>
    </message>
    <message>
        <source>No jukebox database is set yet; Save or Play sets it to the program&apos;s folder</source>
        <translation>Noch ist keine Jukebox-Datenbank gesetzt; Speichern oder Abspielen setzt sie auf den Ordner des Programms</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing; install the package libqt6sql6-sqlite</source>
        <translation>Der SQLite-Treiber von Qt fehlt; installieren Sie das Paket libqt6sql6-sqlite</translation>
    </message>
</context>
<context>
    <name>DatabaseSchema</name>
    <message>
        <source>Cannot create the jukebox database %1: %2</source>
        <translation>Die Jukebox-Datenbank %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is</source>
        <translation>%1 existiert bereits; es wurde so gelassen, wie es ist</translation>
    </message>
    <message>
        <source>a file of that name appeared</source>
        <translation>eine Datei dieses Namens ist aufgetaucht</translation>
    </message>
</context>
<context>
    <name>EspeakPhonemizer</name>
    <message>
        <source>espeak-ng&apos;s American English voice is not installed</source>
        <translation>die amerikanisch-englische Stimme von espeak-ng ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>sie enthält keinen dekodierbaren Ton</translation>
    </message>
</context>
<context>
    <name>FileBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>AddLyrics</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Show Unsynched Lyrics</source>
        <translation>Ungetakteten Text zeigen</translation>
    </message>
</context>
<context>
    <name>FormatTags</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 ist %2, kein Lied.</translation>
    </message>
    <message>
        <source>the audio would have changed</source>
        <translation>das Audio hätte sich verändert</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>der Liedtext ließe sich nicht so zurücklesen, wie er geschrieben wurde</translation>
    </message>
    <message>
        <source>its tag holds fields that could not be kept as they are (%1)</source>
        <translation>sein Tag enthält Felder, die nicht so bleiben konnten, wie sie sind (%1)</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>die synchronisierten Liedzeilen</translation>
    </message>
    <message>
        <source>Wrote %1, %2 of them timed, into %3 of %4 as LRC text.</source>
        <translation>%1 als LRC-Text in %3 von %4 geschrieben, davon %2 mit Zeit.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Id3v2Splice</name>
    <message>
        <source>its ID3v2.2 tag is compressed, which no reader undoes</source>
        <translation>sein ID3v2.2-Tag ist komprimiert, was kein Leseprogramm rückgängig macht</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1)</source>
        <translation>sein Tag enthält Frames, die nicht so bleiben konnten, wie sie sind (%1)</translation>
    </message>
    <message>
        <source>the lyrics would make its tag larger than a tag can be</source>
        <translation>der Liedtext würde sein Tag größer machen, als ein Tag sein kann</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>Did not save: %1 was changed on disk after the sheet was read, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>Nicht gespeichert: %1 wurde auf der Platte geändert, nachdem das Blatt gelesen wurde, und keine Kopie davon konnte aufbewahrt werden (%2); die Datei dort ist unverändert.</translation>
    </message>
    <message>
        <source>Did not save: the sheet does not hold all of %1, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>Nicht gespeichert: Das Blatt enthält nicht alles aus %1, und keine Kopie davon konnte aufbewahrt werden (%2); die Datei dort ist unverändert.</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <translation>jeder Name für eine Kopie ist vergeben</translation>
    </message>
    <message>
        <source>%1 was changed on disk after the sheet was read, so the file there before is kept as %2.</source>
        <translation>%1 wurde auf der Platte geändert, nachdem das Blatt gelesen wurde; die Datei, die dort war, ist daher als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The sheet does not hold all of %1, so the file there before is kept as %2.</source>
        <translation>Das Blatt enthält nicht alles aus %1; die Datei, die dort war, ist daher als %2 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>KeyOverlay</name>
    <message>
        <source>Page %1 of %2: %3 turns the page</source>
        <translation>Seite %1 von %2: %3 blättert um</translation>
    </message>
</context>
<context>
    <name>LyricAligner</name>
    <message>
        <source>%1: suggestions are rough, lines spread by syllables between marks. Mark a few lines and they improve.</source>
        <translation>%1: Die Vorschläge sind grob, die Zeilen nach Silben zwischen den Marken verteilt. Ein paar markierte Zeilen machen sie besser.</translation>
    </message>
    <message>
        <source>The lyrics hold no words to listen for</source>
        <translation>Der Liedtext enthält keine Wörter, auf die man hören könnte</translation>
    </message>
    <message>
        <source>The lyrics hold more than %1 words, too many to listen for</source>
        <translation>Der Liedtext enthält mehr als %1 Wörter, zu viele zum Hören</translation>
    </message>
    <message>
        <source>The lyrics are mostly not in Latin letters, and only words in Latin letters can be heard</source>
        <translation>Der Liedtext ist überwiegend nicht in lateinischer Schrift, und nur Wörter in lateinischer Schrift können erkannt werden</translation>
    </message>
    <message>
        <source>The lyrics are mostly not English: their words are heard as English would say them, and the suggested times stay rough guesses</source>
        <translation>Der Liedtext ist überwiegend nicht englisch: seine Wörter werden gehört, wie man sie auf Englisch sagen würde, und die vorgeschlagenen Zeiten bleiben grobe Schätzungen</translation>
    </message>
    <message>
        <source>Could not hear a voice clearly</source>
        <translation>Keine Stimme war deutlich zu hören</translation>
    </message>
</context>
<context>
    <name>LyricSheet</name>
    <message>
        <source>Add Line To End</source>
        <translation>Zeile ans Ende</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Zeilentext bearbeiten</translation>
    </message>
    <message>
        <source>Mark Line at %1</source>
        <translation>Zeile markiert bei %1</translation>
    </message>
    <message>
        <source>Clear All Time Markings</source>
        <translation>Alle Zeitmarken löschen</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>has the time &quot;%1&quot;, which is not a number</source>
        <translation>hat die Zeit „%1“, die keine Zahl ist</translation>
    </message>
    <message>
        <source>would move outside -%1 to %1 seconds</source>
        <translation>geriete außerhalb von -%1 bis %1 Sekunden</translation>
    </message>
    <message>
        <source>cannot move by &quot;%1&quot;, which is too large</source>
        <translation>kann nicht um „%1“ verschoben werden, das ist zu viel</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>Alle verschieben</translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>Auswahl verschieben</translation>
    </message>
    <message>
        <source>⚠ Doubtful mark: %1. Ctrl+R replays the line to mark it again, Alt+Left or Alt+Right moves it by 0.1 s, Ctrl+G keeps it as it is.</source>
        <translation>⚠ Zweifelhafte Marke: %1. Ctrl+R spielt die Zeile erneut, um sie neu zu markieren, Alt+Left oder Alt+Right verschiebt sie um 0.1 s, Ctrl+G behält sie, wie sie ist.</translation>
    </message>
    <message>
        <source>Suggested time (grey): %1, not saved until accepted. Ctrl+G accepts it; Ctrl+Shift+G accepts every confident one.</source>
        <translation>Vorgeschlagene Zeit (grau): %1, erst gespeichert, wenn übernommen. Ctrl+G übernimmt sie; Ctrl+Shift+G übernimmt alle sicheren.</translation>
    </message>
    <message>
        <source>heard in the song</source>
        <translation>im Lied gehört</translation>
    </message>
    <message>
        <source>a rough guess</source>
        <translation>eine grobe Schätzung</translation>
    </message>
    <message>
        <source>suggested %1</source>
        <translation>vorgeschlagen %1</translation>
    </message>
    <message>
        <source>%1, doubtful: %2</source>
        <translation>%1, zweifelhaft: %2</translation>
    </message>
    <message>
        <source>Lyric</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Secs</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Mark Word &quot;%1&quot; at %2</source>
        <translation>Wort „%1“ markiert bei %2</translation>
    </message>
    <message>
        <source>Nudge Word by %1</source>
        <translation>Wort um %1 verschoben</translation>
    </message>
    <message>
        <source>Nudge Lines by %1</source>
        <translation>Zeilen um %1 verschoben</translation>
    </message>
    <message>
        <source>Nudge Line by %1</source>
        <translation>Zeile um %1 verschoben</translation>
    </message>
    <message>
        <source>Adjust Selected Lines</source>
        <translation>Ausgewählte Zeilen verschieben</translation>
    </message>
    <message>
        <source>Move Word &quot;%1&quot; to %2</source>
        <translation>Wort „%1“ auf %2 verschieben</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2&quot;</source>
        <translation>„%1“ in „%2“ teilen</translation>
    </message>
</context>
<context>
    <name>LyricsXml</name>
    <message>
        <source>The song&apos;s path holds a character a lyrics file cannot hold (%1); rename the song and save again</source>
        <translation>Der Pfad des Lieds enthält ein Zeichen, das eine Liedtextdatei nicht aufnehmen kann (%1); benennen Sie das Lied um und speichern Sie erneut</translation>
    </message>
    <message>
        <source>Line %1 holds a character a lyrics file cannot hold (%2); remove it and save again</source>
        <translation>Zeile %1 enthält ein Zeichen, das eine Liedtextdatei nicht aufnehmen kann (%2); entfernen Sie es und speichern Sie erneut</translation>
    </message>
    <message>
        <source>a lyric is longer than %1 characters</source>
        <translation>eine Liedzeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>its text comes to more than %1 characters</source>
        <translation>ihr Text umfasst mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>text between elements was skipped</source>
        <translation>Text zwischen Elementen wurde übersprungen</translation>
    </message>
    <message>
        <source>its document type declares entities, which a lyrics file never does</source>
        <translation>ihr Dokumenttyp deklariert Entitäten, was eine Liedtextdatei nie tut</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>kein Wurzelelement</translation>
    </message>
    <message>
        <source>Cannot read the lyrics file %1: %2</source>
        <translation>Die Liedtextdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2, column %3 (%4)</source>
        <translation>%1 ist in Zeile %2, Spalte %3 beschädigt (%4)</translation>
    </message>
    <message>
        <source>%1; no lines could be read from it</source>
        <translation>%1; es konnten keine Zeilen daraus gelesen werden</translation>
    </message>
    <message>
        <source>%1; the sheet shows the lines before that point, and saving would drop the rest</source>
        <translation>%1; die Liste zeigt die Zeilen vor dieser Stelle, und Speichern würde den Rest verwerfen</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; the sheet shows the first %3 and saving now would drop the rest</source>
        <translation>%1 enthält %2 Zeilen; die Liste zeigt die ersten %3, und Speichern würde jetzt den Rest verwerfen</translation>
    </message>
    <message>
        <source>a control character (%1), which XML does not allow</source>
        <translation>ein Steuerzeichen (%1), das XML nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>MarkingSettings</name>
    <message>
        <source>the settings file %1 is %2</source>
        <translation>die Einstellungsdatei %1 ist %2</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format, so it is left as it is</source>
        <translation>die Einstellungsdatei %1 ist nicht lesbar: sie hat nicht das Einstellungsformat und bleibt daher, wie sie ist</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read</source>
        <translation>die Einstellungsdatei %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>the settings file %1 is not writable</source>
        <translation>die Einstellungsdatei %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format</source>
        <translation>die Einstellungsdatei %1 ist nicht lesbar: sie hat nicht das Einstellungsformat</translation>
    </message>
</context>
<context>
    <name>MediaModule</name>
    <message>
        <source>the media module %1 could not be loaded (%2)</source>
        <translation>das Medienmodul %1 ließ sich nicht laden (%2)</translation>
    </message>
    <message>
        <source>the media module %1 is not in %2</source>
        <translation>das Medienmodul %1 liegt nicht in %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>MediaServices</name>
    <message>
        <source>this program was built without its media module</source>
        <translation>dieses Programm wurde ohne sein Medienmodul gebaut</translation>
    </message>
</context>
<context>
    <name>MissingMedia</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation>%1 ließ sich nicht laden: %2</translation>
    </message>
    <message>
        <source>the audio player</source>
        <translation>Der Audioplayer</translation>
    </message>
    <message>
        <source>the audio decoder</source>
        <translation>Der Audiodekoder</translation>
    </message>
    <message>
        <source>the speech recogniser</source>
        <translation>Die Spracherkennung</translation>
    </message>
    <message>
        <source>the word pronouncer</source>
        <translation>Die Aussprache der Wörter</translation>
    </message>
    <message>
        <source>the voice detector</source>
        <translation>Die Stimmerkennung</translation>
    </message>
</context>
<context>
    <name>ModelCheck</name>
    <message>
        <source>the English speech model in %1 is damaged (%2)</source>
        <translation>das englische Sprachmodell in %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>%1 is not as its package installed it; reinstall pocketsphinx-en-us</source>
        <translation>%1 ist nicht so, wie sein Paket es installiert hat; installieren Sie pocketsphinx-en-us neu</translation>
    </message>
    <message>
        <source>it could not be tried: %1</source>
        <translation>es konnte nicht ausprobiert werden: %1</translation>
    </message>
    <message>
        <source>loading it did not end</source>
        <translation>das Laden endete nicht</translation>
    </message>
    <message>
        <source>loading it crashed the recogniser with signal %1</source>
        <translation>beim Laden stürzte die Spracherkennung mit Signal %1 ab</translation>
    </message>
    <message>
        <source>the recogniser could not read it</source>
        <translation>die Spracherkennung konnte es nicht lesen</translation>
    </message>
</context>
<context>
    <name>MpvEngine</name>
    <message>
        <source>the audio player could not be started (libmpv)</source>
        <translation>der Audioplayer konnte nicht gestartet werden (libmpv)</translation>
    </message>
    <message>
        <source>the audio player could not be initialised (libmpv)</source>
        <translation>der Audioplayer konnte nicht eingerichtet werden (libmpv)</translation>
    </message>
</context>
<context>
    <name>PreciseTimes</name>
    <message>
        <source>it has %1 lines, the lyrics file %2</source>
        <translation>sie hat %1 Zeilen, die Liedtextdatei %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 has other words</source>
        <translation>%1 hat andere Wörter</translation>
    </message>
    <message>
        <source>%1 is not marked in the lyrics file</source>
        <translation>%1 ist in der Liedtextdatei nicht markiert</translation>
    </message>
    <message>
        <source>%1 is marked only in the lyrics file</source>
        <translation>%1 ist nur in der Liedtextdatei markiert</translation>
    </message>
    <message>
        <source>%1 is at %2, not in second %3 of the lyrics file</source>
        <translation>%1 liegt bei %2, nicht in Sekunde %3 der Liedtextdatei</translation>
    </message>
    <message>
        <source>%1 was not used for precise times: %2.</source>
        <translation>%1 wurde nicht für genaue Zeiten verwendet: %2.</translation>
    </message>
    <message>
        <source>it holds more lines than a lyrics file</source>
        <translation>sie enthält mehr Zeilen als eine Liedtextdatei</translation>
    </message>
    <message>
        <source>it does not match the lyrics file (%1)</source>
        <translation>sie passt nicht zur Liedtextdatei (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file (%1)</source>
        <translation>keine reguläre Datei (%1)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be looked at</source>
        <translation>es ist ein Verweis auf %1, das sich nicht ansehen lässt</translation>
    </message>
    <message>
        <source>it is a link to %1 outside the song&apos;s folder, which a save as root never follows</source>
        <translation>es ist ein Verweis auf %1 außerhalb des Ordners des Lieds, dem ein Speichern als root nie folgt</translation>
    </message>
    <message>
        <source>it is a link to %1, a file of another owner outside the song&apos;s folder</source>
        <translation>es ist ein Verweis auf %1, eine Datei eines anderen Besitzers außerhalb des Ordners des Lieds</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file did not read back as written</source>
        <translation>die Datei ließ sich nicht so zurücklesen, wie sie geschrieben wurde</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back</source>
        <translation>%1, und der alte Inhalt konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back</source>
        <translation>%1, daher wurde der alte Inhalt wiederhergestellt</translation>
    </message>
    <message>
        <source>%1, so the file was left as it was</source>
        <translation>%1, daher blieb die Datei, wie sie war</translation>
    </message>
</context>
<context>
    <name>RunTagSave</name>
    <message>
        <source>Saving %1 into %2…</source>
        <translation>%1 wird in %2 gespeichert…</translation>
    </message>
</context>
<context>
    <name>SheetPanel</name>
    <message>
        <source>Clear All Time Markings</source>
        <translation>Alle Zeitmarken löschen</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Add Line To End</source>
        <translation>Zeile ans Ende</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Zeilentext bearbeiten</translation>
    </message>
    <message>
        <source>Move Up 1 Line</source>
        <translation>1 Zeile nach oben</translation>
    </message>
    <message>
        <source>Move Down 1 Line</source>
        <translation>1 Zeile nach unten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ctrl+Z undoes the last change to the sheet; Ctrl+Shift+Z or Ctrl+Y redoes it.</source>
        <translation>Ctrl+Z macht die letzte Änderung am Blatt rückgängig; Ctrl+Shift+Z oder Ctrl+Y stellt sie wieder her.</translation>
    </message>
    <message>
        <source>The line being sung, or the one selected</source>
        <translation>Die gerade gesungene oder die ausgewählte Zeile</translation>
    </message>
    <message>
        <source>Current line</source>
        <translation>Aktuelle Zeile</translation>
    </message>
    <message>
        <source>%1: the sheet has no lines.</source>
        <translation>%1: das Blatt hat keine Zeilen.</translation>
    </message>
    <message>
        <source>%1: select a line first.</source>
        <translation>%1: zuerst eine Zeile auswählen.</translation>
    </message>
    <message>
        <source>%1: the sheet already holds %2 lines, the most it can hold. Remove a line first.</source>
        <translation>%1: das Blatt hat schon %2 Zeilen, mehr passen nicht. Zuerst eine Zeile entfernen.</translation>
    </message>
    <message>
        <source>Edit Selected Lyric:</source>
        <translation>Zeilentext bearbeiten:</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redid: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Suggested times can be accepted in the sheet while the song is stopped.</source>
        <translation>Vorgeschlagene Zeiten lassen sich im Blatt übernehmen, solange das Lied angehalten ist.</translation>
    </message>
    <message>
        <source>Removed line %1; Ctrl+Z brings it back.</source>
        <translation>Zeile %1 entfernt; Ctrl+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>Removed line %1, &quot;%2&quot;; Ctrl+Z brings it back.</source>
        <translation>Zeile %1 („%2“) entfernt; Ctrl+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>No line has a time to clear.</source>
        <translation>Keine Zeile hat eine Zeit, die sich löschen ließe.</translation>
    </message>
    <message>
        <source>Cleared the time of 1 line; Ctrl+Z brings it back.</source>
        <translation>Die Zeit von 1 Zeile gelöscht; Ctrl+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>Cleared the times of %1 lines; Ctrl+Z brings them back.</source>
        <translation>Die Zeiten von %1 Zeilen gelöscht; Ctrl+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>SongAnalysis</name>
    <message>
        <source>No suggested times: %1. Mark the lines as the song plays.</source>
        <translation>Keine vorgeschlagenen Zeiten: %1. Die Zeilen beim Abspielen markieren.</translation>
    </message>
    <message>
        <source>Only the song&apos;s first %1 minutes get suggested times.</source>
        <translation>Nur die ersten %1 Minuten des Lieds erhalten vorgeschlagene Zeiten.</translation>
    </message>
    <message>
        <source>No suggested times: there is not enough memory for the analysis. Mark the lines as the song plays.</source>
        <translation>Keine vorgeschlagenen Zeiten: Für die Analyse ist nicht genug Speicher frei. Die Zeilen beim Abspielen markieren.</translation>
    </message>
</context>
<context>
    <name>SongCopy</name>
    <message>
        <source>there is no such file.</source>
        <translation>diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>it is %1, not a regular file.</source>
        <translation>es ist %1, keine reguläre Datei.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the temporary copy could not be written to disk.</source>
        <translation>die temporäre Kopie konnte nicht auf den Datenträger geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SongPlayback</name>
    <message>
        <source>%1; settings are not kept.</source>
        <translation>%1; Einstellungen werden nicht behalten.</translation>
    </message>
    <message>
        <source>Speed %1×</source>
        <translation>Tempo %1×</translation>
    </message>
    <message>
        <source>reaction delay %1 ms</source>
        <translation>Reaktionszeit %1 ms</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Seeking works while a song is playing or paused.</source>
        <translation>Springen geht, während ein Lied läuft oder pausiert.</translation>
    </message>
    <message>
        <source>Speed %1× is the slowest.</source>
        <translation>Tempo %1× ist das langsamste.</translation>
    </message>
    <message>
        <source>Speed %1× is the fastest.</source>
        <translation>Tempo %1× ist das schnellste.</translation>
    </message>
    <message>
        <source>Normal speed.</source>
        <translation>Normales Tempo.</translation>
    </message>
    <message>
        <source>No reaction delay: marks are taken at the press.</source>
        <translation>Keine Reaktionszeit: Marken gelten beim Tastendruck.</translation>
    </message>
    <message>
        <source> (it could not be kept for the next run: %1)</source>
        <translation> (für den nächsten Start nicht gespeichert: %1)</translation>
    </message>
    <message>
        <source>Lines can be marked up to %1 into a song.</source>
        <translation>Zeilen lassen sich bis %1 in ein Lied markieren.</translation>
    </message>
    <message>
        <source>The clicks for measuring the reaction delay could not be written to a temporary folder.</source>
        <translation>Die Klicks zum Messen der Reaktionszeit ließen sich nicht in einen temporären Ordner schreiben.</translation>
    </message>
    <message>
        <source>Reaction delay: press Mark Line at each of the %1 clicks (Stop ends it).</source>
        <translation>Reaktionszeit: bei jedem der %1 Klicks „Zeile markieren“ drücken (Stopp beendet es).</translation>
    </message>
    <message>
        <source>Reaction delay: %1 of %2 clicks taken.</source>
        <translation>Reaktionszeit: %1 von %2 Klicks erfasst.</translation>
    </message>
    <message>
        <source>Reaction delay unchanged (%1 ms): only %2 of %3 clicks were taken; Ctrl+T tries again.</source>
        <translation>Reaktionszeit unverändert (%1 ms): nur %2 von %3 Klicks erfasst; Ctrl+T versucht es erneut.</translation>
    </message>
    <message>
        <source>Cannot play %1: it is %2, not a song file.</source>
        <translation>%1 kann nicht abgespielt werden: Es ist %2, keine Lieddatei.</translation>
    </message>
</context>
<context>
    <name>SongSession</name>
    <message>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>Open Song Without Lyrics</source>
        <translation>Lied ohne Text öffnen</translation>
    </message>
    <message>
        <source>%1 lies beside the song: Ctrl+I reads it into the sheet.</source>
        <translation>%1 liegt neben dem Lied: Ctrl+I liest sie ins Blatt.</translation>
    </message>
    <message>
        <source>Load Lyrics File</source>
        <translation>Liedtextdatei laden</translation>
    </message>
    <message>
        <source>Load Tag Lyrics</source>
        <translation>Text aus dem Tag laden</translation>
    </message>
    <message>
        <source>The lyrics have %1 lines; only the first %2 are on the sheet.</source>
        <translation>Der Liedtext hat %1 Zeilen; nur die ersten %2 stehen auf dem Blatt.</translation>
    </message>
    <message>
        <source>No audio player is available.</source>
        <translation>Kein Audioplayer verfügbar.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2; the song plays without a preview</source>
        <translation>%1 ist nicht lesbar: %2; das Lied läuft ohne Vorschau</translation>
    </message>
    <message>
        <source>%1, line element %2: the LineNumber &quot;%3&quot; is not a whole number from -32768 to 32767; the preview holds the lines before it</source>
        <translation>%1, Zeilenelement %2: die LineNumber „%3“ ist keine ganze Zahl von -32768 bis 32767; die Vorschau enthält die Zeilen davor</translation>
    </message>
    <message>
        <source>Open a song before %1.</source>
        <translation>Vor dem %1 ein Lied öffnen.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics</source>
        <translation>Vor dem Speichern des Textes ein Lied öffnen</translation>
    </message>
    <message>
        <source>Cannot save: the song&apos;s name &quot;%1&quot; is too short to name a lyrics file beside it</source>
        <translation>Speichern nicht möglich: der Liedname „%1“ ist zu kurz, um daneben eine Liedtextdatei zu benennen</translation>
    </message>
    <message>
        <source>Saved %1, but not its precise times: %2</source>
        <translation>%1 gespeichert, aber nicht die genauen Zeiten: %2</translation>
    </message>
    <message>
        <source>Saved %1: %2, %3 marked</source>
        <translation>%1 gespeichert: %2, %3 markiert</translation>
    </message>
    <message>
        <source>; the precise times in %1</source>
        <translation>; die genauen Zeiten in %1</translation>
    </message>
    <message>
        <source>Cannot save the lyrics: no tag component.</source>
        <translation>Text nicht speicherbar: keine Tag-Komponente.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics.</source>
        <translation>Vor dem Speichern des Textes ein Lied öffnen.</translation>
    </message>
    <message>
        <source>Saved empty lyrics into %1 of %2.</source>
        <translation>Leeren Text in %1 von %2 gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1 of lyrics into %2 of %3.</source>
        <translation>%1 Text in %2 von %3 gespeichert.</translation>
    </message>
    <message>
        <source>writing timed lyrics into its tag</source>
        <translation>Schreiben getakteter Texte in sein Tag</translation>
    </message>
    <message>
        <source>No line is marked yet, so the tag of %1 was not changed.</source>
        <translation>Noch ist keine Zeile markiert, daher blieb das Tag von %1 unverändert.</translation>
    </message>
    <message>
        <source>Cannot write timed lyrics: no tag component.</source>
        <translation>Getakteter Text nicht schreibbar: keine Tag-Komponente.</translation>
    </message>
    <message>
        <source>writing an LRC file</source>
        <translation>Schreiben einer LRC-Datei</translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 was not written.</source>
        <translation>Noch ist keine Zeile markiert, daher wurde %1 nicht geschrieben.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 timed lines of %3.</source>
        <translation>%1 geschrieben: %2 von %3 Zeilen mit Zeit.</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>writing subtitles</source>
        <translation>Schreiben von Untertiteln</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 were not written: mark lines first.</source>
        <translation>Noch ist keine Zeile markiert, daher wurden %1 nicht geschrieben: zuerst Zeilen markieren.</translation>
    </message>
    <message>
        <source>Wrote %1, but not the rest: %2</source>
        <translation>%1 geschrieben, aber nicht den Rest: %2</translation>
    </message>
    <message>
        <source>Wrote %1 beside the song: %2</source>
        <translation>%1 neben das Lied geschrieben: %2</translation>
    </message>
    <message>
        <source>; %1 without a time left out (mark them to include them)</source>
        <translation>; %1 ohne Zeit ausgelassen (markieren, um sie aufzunehmen)</translation>
    </message>
    <message>
        <source>reading its LRC file</source>
        <translation>Lesen seiner LRC-Datei</translation>
    </message>
    <message>
        <source>%1 has a lyrics file already (%2); drop %3 on the window to replace the sheet with it.</source>
        <translation>%1 hat schon eine Liedtextdatei (%2); %3 aufs Fenster ziehen, um das Blatt damit zu ersetzen.</translation>
    </message>
    <message>
        <source>There is no %1 beside the song.</source>
        <translation>Neben dem Lied liegt keine %1.</translation>
    </message>
    <message>
        <source>%1 holds more lines than the sheet&apos;s %2; the sheet was left as it was.</source>
        <translation>%1 hat mehr Zeilen als die %2 des Blatts; das Blatt blieb, wie es war.</translation>
    </message>
    <message>
        <source>%1 holds no lyrics lines; the sheet was left as it was.</source>
        <translation>%1 enthält keine Textzeilen; das Blatt blieb, wie es war.</translation>
    </message>
    <message>
        <source>%1 holds no time stamps, so it is no LRC file; the sheet was left as it was.</source>
        <translation>%1 enthält keine Zeitstempel und ist daher keine LRC-Datei; das Blatt blieb, wie es war.</translation>
    </message>
    <message>
        <source>Read LRC File</source>
        <translation>LRC-Datei lesen</translation>
    </message>
    <message numerus="yes">
        <source>Read %n lines from %1; Save writes them to the lyrics file.</source>
        <translation>
            <numerusform>%n Zeile aus %1 gelesen; Speichern schreibt sie in die Liedtextdatei.</numerusform>
            <numerusform>%n Zeilen aus %1 gelesen; Speichern schreibt sie in die Liedtextdatei.</numerusform>
        </translation>
    </message>
    <message>
        <source>Precise times are kept: Save also writes Song.lrc beside Song.xml, in milliseconds.</source>
        <translation>Genaue Zeiten werden behalten: Speichern schreibt zusätzlich Song.lrc neben Song.xml, in Millisekunden.</translation>
    </message>
    <message>
        <source>Precise times are not kept: Save writes Song.xml alone, in whole seconds.</source>
        <translation>Genaue Zeiten werden nicht behalten: Speichern schreibt nur Song.xml, in ganzen Sekunden.</translation>
    </message>
    <message>
        <source> It lasts until the window closes: %1.</source>
        <translation> Das gilt, bis das Fenster geschlossen wird: %1.</translation>
    </message>
    <message>
        <source>Word marking is on, and word times live only in Song.lrc: turn it off first.</source>
        <translation>Die Wortmarkierung ist an, und Wortzeiten stehen nur in Song.lrc: zuerst ausschalten.</translation>
    </message>
    <message>
        <source>Word marking is off: Mark Line stamps the next line.</source>
        <translation>Wortmarkierung aus: „Zeile markieren“ stempelt die nächste Zeile.</translation>
    </message>
    <message>
        <source>Word marking is on: Mark Line stamps the next word of the line.</source>
        <translation>Wortmarkierung an: „Zeile markieren“ stempelt das nächste Wort der Zeile.</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Select a line to nudge.</source>
        <translation>Eine Zeile zum Verschieben auswählen.</translation>
    </message>
    <message>
        <source>That word has no time to nudge yet.</source>
        <translation>Dieses Wort hat noch keine Zeit zum Verschieben.</translation>
    </message>
    <message>
        <source>The selected lines have no time to nudge.</source>
        <translation>Die ausgewählten Zeilen haben keine Zeit zum Verschieben.</translation>
    </message>
    <message>
        <source>The time cannot move before the song&apos;s start.</source>
        <translation>Die Zeit kann nicht vor den Liedanfang rücken.</translation>
    </message>
    <message numerus="yes">
        <source>; %n without a time stayed</source>
        <translation>
            <numerusform>; %n ohne Zeit blieb</numerusform>
            <numerusform>; %n ohne Zeit blieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line: %1, so it was left unchanged.</source>
        <translation>Auswahl verschieben: %1, daher blieb sie unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>Adjust Selected Line: %n lines were left unchanged; %1.</source>
        <translation>
            <numerusform>Auswahl verschieben: %n Zeile blieb unverändert; %1.</numerusform>
            <numerusform>Auswahl verschieben: %n Zeilen blieben unverändert; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Lines %1–%2</source>
        <translation>Zeilen %1–%2</translation>
    </message>
    <message>
        <source>%1 lines from line %2</source>
        <translation>%1 Zeilen ab Zeile %2</translation>
    </message>
    <message>
        <source>Lines %1 and %2</source>
        <translation>Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>Word “%1” of line %2 moved %3 to %4.</source>
        <translation>Wort „%1“ in Zeile %2 um %3 auf %4 verschoben.</translation>
    </message>
    <message>
        <source>%1 moved %2%3.</source>
        <translation>%1 um %2 verschoben%3.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Wrote %1: 1 timed line of %2.</source>
        <translation>%1 geschrieben: 1 von %2 Zeilen mit Zeit.</translation>
    </message>
    <message>
        <source>Bring Back Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen zurückholen</translation>
    </message>
    <message>
        <source>Brought back the %1 kept unsaved on %2; Save writes them to the lyrics file, Ctrl+Z takes them back.</source>
        <translation>Die am %2 ungespeichert aufbewahrten %1 sind zurückgeholt; Speichern schreibt sie in die Liedtextdatei, Ctrl+Z nimmt sie zurück.</translation>
    </message>
</context>
<context>
    <name>SongSuggestions</name>
    <message>
        <source>Suggesting times… %1 %</source>
        <translation>Zeiten werden vorgeschlagen… %1 %</translation>
    </message>
    <message>
        <source>Accept Suggested Time: select a line first.</source>
        <translation>Vorschlag übernehmen: zuerst eine Zeile auswählen.</translation>
    </message>
    <message>
        <source>Line %1 keeps its mark.</source>
        <translation>Zeile %1 behält ihre Marke.</translation>
    </message>
    <message>
        <source>Accept Suggested Time: line %1 has no suggested time.</source>
        <translation>Vorschlag übernehmen: Zeile %1 hat keine vorgeschlagene Zeit.</translation>
    </message>
    <message>
        <source>Accept Suggested Time</source>
        <translation>Vorschlag übernehmen</translation>
    </message>
    <message>
        <source>Line %1 takes its suggested time.</source>
        <translation>Zeile %1 übernimmt ihre vorgeschlagene Zeit.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: the suggestions are not ready yet.</source>
        <translation>Vorschläge übernehmen: die Vorschläge sind noch nicht fertig.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: no confident suggestion to accept.</source>
        <translation>Vorschläge übernehmen: kein sicherer Vorschlag zum Übernehmen.</translation>
    </message>
    <message>
        <source>Accept Suggested Times</source>
        <translation>Vorschläge übernehmen</translation>
    </message>
    <message numerus="yes">
        <source>%n lines take their suggested times.</source>
        <translation>
            <numerusform>%n Zeile übernimmt ihre vorgeschlagene Zeit.</numerusform>
            <numerusform>%n Zeilen übernehmen ihre vorgeschlagenen Zeiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 words in %2 lines take their suggested times.</source>
        <translation>%1 Wörter in %2 Zeilen übernehmen ihre vorgeschlagenen Zeiten.</translation>
    </message>
    <message>
        <source>%1 lines take their suggested times; %2 words in %3 lines take theirs.</source>
        <translation>%1 Zeilen übernehmen ihre vorgeschlagenen Zeiten; %2 Wörter in %3 Zeilen ihre.</translation>
    </message>
    <message>
        <source>Accept Word Times: select a line first.</source>
        <translation>Wortzeiten übernehmen: zuerst eine Zeile auswählen.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1&apos;s words are not ready yet.</source>
        <translation>Wortzeiten übernehmen: die Wörter von Zeile %1 sind noch nicht fertig.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no suggested word times; the next line needs its time first.</source>
        <translation>Wortzeiten übernehmen: Zeile %1 hat keine vorgeschlagenen Wortzeiten; zuerst braucht die nächste Zeile ihre Zeit.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no time yet; mark it first.</source>
        <translation>Wortzeiten übernehmen: Zeile %1 hat noch keine Zeit; zuerst markieren.</translation>
    </message>
    <message>
        <source>Accept Word Times</source>
        <translation>Wortzeiten übernehmen</translation>
    </message>
    <message>
        <source>Line %1 takes %2 suggested word times.</source>
        <translation>Zeile %1 übernimmt %2 vorgeschlagene Wortzeiten.</translation>
    </message>
    <message>
        <source>Line %1 is marked already; Ctrl+Shift+W takes its suggested word times.</source>
        <translation>Zeile %1 ist schon markiert; Ctrl+Shift+W übernimmt ihre vorgeschlagenen Wortzeiten.</translation>
    </message>
    <message>
        <source>Line %1 is marked already.</source>
        <translation>Zeile %1 ist schon markiert.</translation>
    </message>
</context>
<context>
    <name>SphinxRecogniser</name>
    <message>
        <source>the English speech model is not installed (%1)</source>
        <translation>das englische Sprachmodell ist nicht installiert (%1)</translation>
    </message>
    <message>
        <source>the English speech model could not be loaded (%1)</source>
        <translation>das englische Sprachmodell konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to load the English speech model</source>
        <translation>für das englische Sprachmodell ist nicht genug Speicher frei</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>What the last action did and what to do next</source>
        <translation>Was die letzte Aktion bewirkt hat und was als Nächstes zu tun ist</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 failed unexpectedly.</source>
        <translation>%1 ist unerwartet fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>SyncedTag</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 ist %2, kein Lied.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is not an MP3 file.</source>
        <translation>%1 ist keine MP3-Datei.</translation>
    </message>
    <message>
        <source>Wrote 1 timed line and words into the tag of %1 (SYLT).</source>
        <translation>1 Zeile mit Zeiten für Zeile und Wörter in das Tag von %1 geschrieben (SYLT).</translation>
    </message>
    <message>
        <source>Wrote 1 timed line into the tag of %1 (SYLT).</source>
        <translation>1 Zeile mit Zeit in das Tag von %1 geschrieben (SYLT).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines and words into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>%n Zeile mit Zeiten für Zeile und Wörter in das Tag von %1 geschrieben (SYLT).</numerusform>
            <numerusform>%n Zeilen mit Zeiten für Zeilen und Wörter in das Tag von %1 geschrieben (SYLT).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>%n Zeile mit Zeit in das Tag von %1 geschrieben (SYLT).</numerusform>
            <numerusform>%n Zeilen mit Zeiten in das Tag von %1 geschrieben (SYLT).</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot save the synchronized lyrics into %1: its format has no SYLT frame.</source>
        <translation>Die synchronisierten Liedzeilen können nicht in %1 gespeichert werden: sein Format hat keinen SYLT-Frame.</translation>
    </message>
    <message>
        <source>the lines would not read back as written</source>
        <translation>die Zeilen ließen sich nicht so zurücklesen, wie sie geschrieben wurden</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>die synchronisierten Liedzeilen</translation>
    </message>
</context>
<context>
    <name>TagComponent</name>
    <message>
        <source>Timed lyrics cannot be written into the tag of %1 here.</source>
        <translation>Liedzeilen mit Zeiten können hier nicht in das Tag von %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TagLibComponent</name>
    <message>
        <source>The tag frame &quot;%1&quot; is not supported.</source>
        <translation>Der Tag-Frame &quot;%1&quot; wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is a folder, not a song.</source>
        <translation>Das Tag von %1 kann nicht gelesen werden: es ist ein Ordner, kein Lied.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is %2, not a song.</source>
        <translation>Das Tag von %1 kann nicht gelesen werden: es ist %2, kein Lied.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: there is no such file.</source>
        <translation>Das Tag von %1 kann nicht gelesen werden: diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1</source>
        <translation>Das Tag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: the file cannot be opened.</source>
        <translation>Das Tag von %1 kann nicht gelesen werden: die Datei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The lyrics hold a character a tag cannot hold (U+%1); remove it and save again.</source>
        <translation>Der Liedtext enthält ein Zeichen, das ein Tag nicht aufnehmen kann (U+%1); entfernen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>die Liedzeilen</translation>
    </message>
</context>
<context>
    <name>TagSave</name>
    <message>
        <source>%1, so the song was left as it was.</source>
        <translation>%1, daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder: %1</source>
        <translation>in seinem Ordner lässt sich keine temporäre Kopie schreiben: %1</translation>
    </message>
    <message>
        <source>Cannot save %1 into %2: %3</source>
        <translation>Konnte %1 nicht in %2 speichern: %3</translation>
    </message>
    <message>
        <source>its ID3v2 tag is damaged or of an unknown version.</source>
        <translation>sein ID3v2-Tag ist beschädigt oder von unbekannter Version.</translation>
    </message>
    <message>
        <source>it is not an MP3 file.</source>
        <translation>es ist keine MP3-Datei.</translation>
    </message>
    <message>
        <source>its ID3v2 tag does not start the file, so the song was left as it was.</source>
        <translation>sein ID3v2-Tag steht nicht am Anfang der Datei, daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>sein Ordner nimmt keine temporäre Datei an</translation>
    </message>
    <message>
        <source>the disk is full, so the song was left as it was.</source>
        <translation>der Datenträger ist voll, daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>the audio would have changed, so the song was left as it was.</source>
        <translation>das Audio hätte sich verändert, daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1), so the song was left as it was.</source>
        <translation>sein Tag enthält Frames, die nicht so bleiben konnten, wie sie sind (%1), daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>der Liedtext ließe sich nicht so zurücklesen, wie er geschrieben wurde</translation>
    </message>
    <message>
        <source>a new file could not be given its owner</source>
        <translation>einer neuen Datei konnte ihr Besitzer nicht gegeben werden</translation>
    </message>
    <message>
        <source>%1 were saved into %2 in place: %3, so the save was not atomic.</source>
        <translation>%1 wurden direkt in %2 gespeichert: %3, daher war das Speichern nicht atomar.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1, and the song could not be put back as it was.</source>
        <translation>%1, und das Lied konnte nicht wiederhergestellt werden, wie es war.</translation>
    </message>
    <message>
        <source>the song did not read back as written</source>
        <translation>das Lied ließ sich nicht so zurücklesen, wie es geschrieben wurde</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back.</source>
        <translation>%1, daher wurde der alte Inhalt wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back.</source>
        <translation>%1, und der alte Inhalt konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>%1, so it was left as it was.</source>
        <translation>%1, daher blieb es, wie es war.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder (%1), so the song was left as it was.</source>
        <translation>in seinem Ordner lässt sich keine temporäre Kopie schreiben (%1), daher blieb das Lied, wie es war.</translation>
    </message>
    <message>
        <source>cannot copy the song: %1, so it was left as it was.</source>
        <translation>das Lied lässt sich nicht kopieren: %1, daher blieb es, wie es war.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>it belongs to another user, and the new copy cannot be made theirs, so the song was left as it was.</source>
        <translation>es gehört einem anderen Benutzer, und die neue Kopie kann nicht ihm gehören, daher blieb das Lied, wie es war.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is a folder, not a text file.</source>
        <translation>%1 ist ein Ordner, keine Textdatei.</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics (%2 MB; the limit is %3 MB).</source>
        <translation>%1 ist zu groß für einen Liedtext (%2 MB; die Grenze ist %3 MB).</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics.</source>
        <translation>%1 ist zu groß für einen Liedtext.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Paste From Clipboard</source>
        <translation>Aus Zwischenablage</translation>
    </message>
    <message>
        <source>Get Lyrics From Text File</source>
        <translation>Text aus Textdatei holen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>den Liedtext</translation>
    </message>
    <message>
        <source> Ctrl+Return puts the lines on the sheet without the tag; Save there writes %1.</source>
        <translation> Ctrl+Return bringt die Zeilen ohne den Tag auf das Blatt; Speichern schreibt sie dann in %1.</translation>
    </message>
    <message>
        <source>Nothing to put on the sheet: the lyrics text is empty.</source>
        <translation>Nichts für das Blatt: Der Liedtext ist leer.</translation>
    </message>
</context>
<context>
    <name>TimingFlag</name>
    <message>
        <source>marked %1 s later than the voice suggests</source>
        <translation>%1 s später markiert, als die Stimme nahelegt</translation>
    </message>
    <message>
        <source>marked %1 s earlier than the voice suggests</source>
        <translation>%1 s früher markiert, als die Stimme nahelegt</translation>
    </message>
    <message>
        <source>marked where no voice is heard</source>
        <translation>markiert, wo keine Stimme zu hören ist</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Mark Line</source>
        <translation>Zeile markieren</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Replay: line %1 has no time yet; mark it first.</source>
        <translation>Wiederholen: Zeile %1 hat noch keine Zeit; zuerst markieren.</translation>
    </message>
    <message>
        <source>Replaying line %1: Mark Line marks it again.</source>
        <translation>Zeile %1 wird wiederholt: „Zeile markieren“ markiert sie neu.</translation>
    </message>
    <message>
        <source>Stop the song (with the lyric sheet shown) to measure the reaction delay.</source>
        <translation>Zum Messen der Reaktionszeit das Lied anhalten (bei sichtbarem Textblatt).</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>No unsaved changes to these lyrics were kept.</source>
        <translation>Für diesen Liedtext wurden keine ungespeicherten Änderungen aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>WindowHelp</name>
    <message>
        <source>Open a song (Ctrl+O) or drop one here</source>
        <translation>Ein Lied öffnen (Ctrl+O) oder hierher ziehen</translation>
    </message>
    <message>
        <source>No lines. Ctrl+L adds one; Ctrl+O opens another song.</source>
        <translation>Keine Zeilen. Ctrl+L fügt eine an; Ctrl+O öffnet ein anderes Lied.</translation>
    </message>
    <message>
        <source>The song: a click or a drag plays from there. A thin tick is a marked line, a hollow tick at the foot a suggested time (Ctrl+G accepts the selected line&apos;s, Ctrl+Shift+G every confident one).</source>
        <translation>Das Lied: ein Klick oder Ziehen spielt ab dort. Ein dünner Strich ist eine markierte Zeile, ein hohler Strich am Fuß eine vorgeschlagene Zeit (Ctrl+G übernimmt die der ausgewählten Zeile, Ctrl+Shift+G alle sicheren).</translation>
    </message>
    <message>
        <source>Mark when each lyric line is sung: Play, then Space at each line.</source>
        <translation>Markieren, wann jede Textzeile gesungen wird: Abspielen, dann bei jeder Zeile die Leertaste.</translation>
    </message>
    <message>
        <source>Open a song</source>
        <translation>Ein Lied öffnen</translation>
    </message>
    <message>
        <source>Song file</source>
        <translation>Lieddatei</translation>
    </message>
    <message>
        <source>The song that is open</source>
        <translation>Das geöffnete Lied</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>The open song&apos;s folder and file name</source>
        <translation>Ordner und Dateiname des geöffneten Lieds</translation>
    </message>
    <message>
        <source>Song folder</source>
        <translation>Liedordner</translation>
    </message>
    <message>
        <source>Song file name</source>
        <translation>Dateiname des Lieds</translation>
    </message>
    <message>
        <source>Lyric sheet</source>
        <translation>Textblatt</translation>
    </message>
    <message>
        <source>The lines with their times, the player and the editing buttons</source>
        <translation>Die Zeilen mit ihren Zeiten, der Player und die Bearbeitungsknöpfe</translation>
    </message>
    <message>
        <source>Lyric lines</source>
        <translation>Textzeilen</translation>
    </message>
    <message>
        <source>Each line&apos;s number, lyric and time. A suggested time is read as suggested; Ctrl+G accepts it. The Menu key lists what can be done with the selected line. Empty until a song is opened (Ctrl+O).</source>
        <translation>Nummer, Text und Zeit jeder Zeile. Eine vorgeschlagene Zeit wird als vorgeschlagen vorgelesen; Ctrl+G übernimmt sie. Die Menütaste zeigt, was sich mit der ausgewählten Zeile tun lässt. Leer, bis ein Lied geöffnet ist (Ctrl+O).</translation>
    </message>
    <message>
        <source>Words of the selected line</source>
        <translation>Wörter der ausgewählten Zeile</translation>
    </message>
    <message>
        <source>Song position</source>
        <translation>Liedposition</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Every key of the window; any key or click closes it</source>
        <translation>Alle Tasten des Fensters; jede Taste oder jeder Klick schließt die Liste</translation>
    </message>
    <message>
        <source>Song time</source>
        <translation>Liedzeit</translation>
    </message>
    <message>
        <source>Where the song is, of how long</source>
        <translation>Wo das Lied steht, von welcher Länge</translation>
    </message>
    <message>
        <source>Seconds to adjust the selected line by</source>
        <translation>Sekunden, um die die ausgewählte Zeile verschoben wird</translation>
    </message>
    <message>
        <source>Fractions and negative numbers are allowed; &quot;.&quot; is the decimal point</source>
        <translation>Brüche und negative Zahlen sind erlaubt; „.“ ist das Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Seconds to adjust all lines by</source>
        <translation>Sekunden, um die alle Zeilen verschoben werden</translation>
    </message>
    <message>
        <source>selected line</source>
        <translation>die ausgewählte Zeile</translation>
    </message>
    <message>
        <source>all lines</source>
        <translation>alle Zeilen</translation>
    </message>
    <message>
        <source>Step the seconds for %1</source>
        <translation>Sekunden für %1 schrittweise ändern</translation>
    </message>
    <message>
        <source>1 second up or down</source>
        <translation>1 Sekunde auf oder ab</translation>
    </message>
    <message>
        <source>One more second for %1</source>
        <translation>Eine Sekunde mehr für %1</translation>
    </message>
    <message>
        <source>One less second for %1</source>
        <translation>Eine Sekunde weniger für %1</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Lyrics text</source>
        <translation>Liedtext</translation>
    </message>
    <message>
        <source>Type, paste or load the lyrics; Save writes them into the song&apos;s tag and turns them into lines. Escape goes back without saving.</source>
        <translation>Den Text eintippen, einfügen oder laden; Speichern schreibt ihn ins Tag des Lieds und macht Zeilen daraus. Escape geht ohne Speichern zurück.</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Liedtext</translation>
    </message>
    <message>
        <source>Accept the suggested time</source>
        <translation>Vorgeschlagene Zeit übernehmen</translation>
    </message>
    <message>
        <source>Accept every confident suggested time</source>
        <translation>Alle sicheren Vorschläge übernehmen</translation>
    </message>
    <message>
        <source>Replay the line to mark it again</source>
        <translation>Zeile wiederholen, um sie neu zu markieren</translation>
    </message>
    <message>
        <source>0.1 s earlier</source>
        <translation>0.1 s früher</translation>
    </message>
    <message>
        <source>0.1 s later</source>
        <translation>0.1 s später</translation>
    </message>
    <message>
        <source>1 second earlier</source>
        <translation>1 Sekunde früher</translation>
    </message>
    <message>
        <source>1 second later</source>
        <translation>1 Sekunde später</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Alle Tasten</translation>
    </message>
    <message>
        <source>Word marking on or off</source>
        <translation>Wortmarkierung ein oder aus</translation>
    </message>
    <message>
        <source>The selected word 0.1 s earlier</source>
        <translation>Ausgewähltes Wort 0.1 s früher</translation>
    </message>
    <message>
        <source>The selected word 0.1 s later</source>
        <translation>Ausgewähltes Wort 0.1 s später</translation>
    </message>
    <message>
        <source>The selected word 0.01 s earlier</source>
        <translation>Ausgewähltes Wort 0.01 s früher</translation>
    </message>
    <message>
        <source>The selected word 0.01 s later</source>
        <translation>Ausgewähltes Wort 0.01 s später</translation>
    </message>
    <message>
        <source>Keep precise times on or off</source>
        <translation>Genaue Zeiten behalten ein oder aus</translation>
    </message>
    <message>
        <source>Each word with its time. Alt+Left and Alt+Right move the selected word by 0.1 s; Ctrl+W turns word marking on and off; Ctrl+Shift+R loops the word; Ctrl+Shift+H splits it at the pointer.</source>
        <translation>Jedes Wort mit seiner Zeit. Alt+Left und Alt+Right verschieben das ausgewählte Wort um 0.1 s; Ctrl+W schaltet die Wortmarkierung ein und aus; Ctrl+Shift+R spielt das Wort in Schleife; Ctrl+Shift+H teilt es am Zeiger.</translation>
    </message>
    <message>
        <source>Accept the suggested word times</source>
        <translation>Vorgeschlagene Wortzeiten übernehmen</translation>
    </message>
    <message>
        <source>Loop the selected word or line on or off</source>
        <translation>Schleife über ausgewähltes Wort oder Zeile ein oder aus</translation>
    </message>
    <message>
        <source>Split the word into syllables here</source>
        <translation>Wort hier in Silben teilen</translation>
    </message>
    <message>
        <source>Split the selected word into its syllables</source>
        <translation>Ausgewähltes Wort in seine Silben teilen</translation>
    </message>
    <message>
        <source>The open song&apos;s folder</source>
        <translation>Der Ordner des geöffneten Lieds</translation>
    </message>
    <message>
        <source>The open song&apos;s file name</source>
        <translation>Der Dateiname des geöffneten Lieds</translation>
    </message>
    <message>
        <source>Adds 1 second to the seconds box beside it</source>
        <translation>Erhöht das Sekundenfeld daneben um 1 Sekunde</translation>
    </message>
    <message>
        <source>Takes 1 second off the seconds box beside it</source>
        <translation>Verringert das Sekundenfeld daneben um 1 Sekunde</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <translation>Bildlaufleiste von %1</translation>
    </message>
    <message>
        <source>Moves the view up and down</source>
        <translation>Verschiebt die Ansicht nach oben und unten</translation>
    </message>
    <message>
        <source>Moves the view left and right</source>
        <translation>Verschiebt die Ansicht nach links und rechts</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Enter</translation>
    </message>
    <message>
        <source>the focused button; after Play, Mark Line</source>
        <translation>der fokussierte Knopf; nach Abspielen „Zeile markieren“</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Abspielen / Pause</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Ctrl+Left, Ctrl+Right</source>
        <translation>Ctrl+Left, Ctrl+Right</translation>
    </message>
    <message>
        <source>3 seconds back, forward</source>
        <translation>3 Sekunden zurück, vor</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>replay the selected line from 2 s before it and mark it again</source>
        <translation>die ausgewählte Zeile ab 2 s davor wiederholen und neu markieren</translation>
    </message>
    <message>
        <source>Ctrl+Down, Ctrl+Up</source>
        <translation>Ctrl+Down, Ctrl+Up</translation>
    </message>
    <message>
        <source>play slower, faster (0.5× to 1.5×, the pitch stays)</source>
        <translation>langsamer, schneller abspielen (0.5× bis 1.5×, die Tonhöhe bleibt)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>normales Tempo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up, Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Up, Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>reaction delay 50 ms longer, shorter</source>
        <translation>Reaktionszeit 50 ms länger, kürzer</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>measure the reaction delay: Mark Line at each click</source>
        <translation>Reaktionszeit messen: bei jedem Klick „Zeile markieren“</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left, Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Left, Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>selected lines 1 second earlier, later</source>
        <translation>ausgewählte Zeilen 1 Sekunde früher, später</translation>
    </message>
    <message>
        <source>Alt+Left, Alt+Right</source>
        <translation>Alt+Left, Alt+Right</translation>
    </message>
    <message>
        <source>lines selected (or the strip&apos;s word) 0.1 s earlier, later; replay</source>
        <translation>ausgewählte Zeilen (oder das Wort der Leiste) 0.1 s früher, später; wiederholen</translation>
    </message>
    <message>
        <source>Alt+Shift+Left, Alt+Shift+Right</source>
        <translation>Alt+Shift+Left, Alt+Shift+Right</translation>
    </message>
    <message>
        <source>the same by 0.01 s</source>
        <translation>dasselbe um 0.01 s</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down, Shift/Ctrl+click</source>
        <translation>Shift+Up, Shift+Down, Shift/Ctrl+Klick</translation>
    </message>
    <message>
        <source>select several lines for Adjust Selected Line and the nudges</source>
        <translation>mehrere Zeilen für „Auswahl verschieben“ und die Feinschritte auswählen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>word marking on / off: Mark Line stamps the line&apos;s next word</source>
        <translation>Wortmarkierung an / aus: „Zeile markieren“ stempelt das nächste Wort der Zeile</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>keep precise times on / off: Save also writes Song.lrc</source>
        <translation>genaue Zeiten behalten an / aus: Speichern schreibt auch Song.lrc</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>undo; redo</source>
        <translation>rückgängig; wiederherstellen</translation>
    </message>
    <message>
        <source>Insert, Delete, Ctrl+L</source>
        <translation>Insert, Delete, Ctrl+L</translation>
    </message>
    <message>
        <source>Insert Line, Remove Line, Add Line To End</source>
        <translation>Zeile einfügen, Zeile entfernen, Zeile ans Ende</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Zeilentext bearbeiten</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested time</source>
        <translation>vorgeschlagene Zeit der ausgewählten Zeile übernehmen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+G</source>
        <translation>Ctrl+Shift+G</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Up, Down</translation>
    </message>
    <message>
        <source>previous, next line (in the list, or on a button)</source>
        <translation>vorige, nächste Zeile (in der Liste oder auf einem Knopf)</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>open a song, Save</source>
        <translation>Lied öffnen, Speichern</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>write Song.lrc beside the song</source>
        <translation>Song.lrc neben das Lied schreiben</translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <source>write the marked lines into the song&apos;s tag (SYLT)</source>
        <translation>die markierten Zeilen ins Tag des Lieds schreiben (SYLT)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>write subtitles for a video: Song.srt, Song.vtt and Song.ass</source>
        <translation>Untertitel für ein Video schreiben: Song.srt, Song.vtt und Song.ass</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>read the Song.lrc beside the song</source>
        <translation>die Song.lrc neben dem Lied lesen</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>in the text panel: back to the sheet, the text kept, nothing saved</source>
        <translation>im Textfeld: zurück zum Blatt, der Text bleibt, nichts wird gespeichert</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list, until the next key or click</source>
        <translation>diese Liste, bis zur nächsten Taste oder zum nächsten Klick</translation>
    </message>
    <message>
        <source>%1 is not available now.</source>
        <translation>%1 ist gerade nicht verfügbar.</translation>
    </message>
    <message>
        <source>Adjust Selected Line is not available now.</source>
        <translation>„Auswahl verschieben“ ist gerade nicht verfügbar.</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus (Tab moves it)</source>
        <translation>Leertaste oder Enter, wenn er den Fokus hat (Tab bewegt ihn)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Ctrl+P plays and pauses</source>
        <translation>Ctrl+P spielt ab und pausiert</translation>
    </message>
    <message>
        <source>Space: Play puts the focus here. Ctrl+R replays the selected line to mark it again; Ctrl+T measures your reaction delay</source>
        <translation>Leertaste: Abspielen setzt den Fokus hierher. Ctrl+R wiederholt die ausgewählte Zeile, um sie neu zu markieren; Ctrl+T misst deine Reaktionszeit</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete (Ctrl+Z brings the line back)</source>
        <translation>Entf (Ctrl+Z holt die Zeile zurück)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>F2, or a double click on the line</source>
        <translation>F2 oder ein Doppelklick auf die Zeile</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier</source>
        <translation>Ctrl+Shift+Right, Ctrl+Shift+Left verschieben die Zeile 1 Sekunde später, früher</translation>
    </message>
    <message>
        <source>Up in the list</source>
        <translation>Pfeil nach oben in der Liste</translation>
    </message>
    <message>
        <source>Down in the list</source>
        <translation>Pfeil nach unten in der Liste</translation>
    </message>
    <message>
        <source>Ctrl+O, or drop a song on the window</source>
        <translation>Ctrl+O, oder ein Lied aufs Fenster ziehen</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus, or drop a text file on the panel</source>
        <translation>Leertaste oder Enter, wenn er den Fokus hat, oder eine Textdatei aufs Feld ziehen</translation>
    </message>
    <message>
        <source>%1 F1 lists every key.</source>
        <translation>%1 F1 zeigt alle Tasten.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>loop the selected line (or the strip&apos;s word) until pressed again</source>
        <translation>die ausgewählte Zeile (oder das Wort der Leiste) in Schleife spielen, bis erneut gedrückt</translation>
    </message>
    <message>
        <source>drag in the word strip</source>
        <translation>Ziehen in der Wortleiste</translation>
    </message>
    <message>
        <source>move a word&apos;s start (onto the voice&apos;s onset; Shift: freely)</source>
        <translation>den Anfang eines Wortes verschieben (auf den Einsatz der Stimme; Shift: frei)</translation>
    </message>
    <message>
        <source>Ctrl+wheel in the word strip</source>
        <translation>Ctrl+Mausrad in der Wortleiste</translation>
    </message>
    <message>
        <source>zoom around the pointer; the wheel then scrolls</source>
        <translation>um den Zeiger zoomen; das Mausrad blättert dann</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s word into syllables at the pointer</source>
        <translation>das Wort der Leiste am Zeiger in Silben teilen</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s selected word into all its syllables</source>
        <translation>das ausgewählte Wort der Leiste in all seine Silben teilen</translation>
    </message>
    <message>
        <source>accept every confident suggested time (word marking on: and word time)</source>
        <translation>alle sicheren Vorschläge übernehmen (Wortmarkierung an: auch Wortzeiten)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested word times (hollow ticks)</source>
        <translation>vorgeschlagene Wortzeiten der ausgewählten Zeile übernehmen (hohle Striche)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>bring back the changes left unsaved when the song was closed</source>
        <translation>die beim Schließen des Lieds ungespeicherten Änderungen zurückholen</translation>
    </message>
    <message>
        <source>Save is not available while the song plays: Pause or Stop first.</source>
        <translation>Speichern geht nicht, während das Lied läuft: erst Pause oder Stopp.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved. Ctrl+E writes Song.lrc with its precise times now.</source>
        <translation>Nichts zu speichern: Das Blatt ist so, wie es geöffnet oder zuletzt gespeichert wurde. Ctrl+E schreibt Song.lrc jetzt mit den genauen Zeiten.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved.</source>
        <translation>Nichts zu speichern: Das Blatt ist so, wie es geöffnet oder zuletzt gespeichert wurde.</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>in the text panel: the lines to the sheet, the tag left as it is</source>
        <translation>im Textfeld: die Zeilen auf das Blatt, der Tag bleibt, wie er ist</translation>
    </message>
    <message>
        <source>Ctrl+S; Ctrl+Return puts the lines on the sheet and leaves the song&apos;s tag as it is</source>
        <translation>Ctrl+S; Ctrl+Return bringt die Zeilen auf das Blatt und lässt den Tag des Songs, wie er ist</translation>
    </message>
    <message>
        <source>Nothing to save: the lyrics text is empty.</source>
        <translation>Nichts zu speichern: Der Liedtext ist leer.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Open a song</source>
        <translation>Ein Lied öffnen</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Um</translation>
    </message>
    <message>
        <source>Secs.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Window contents</source>
        <translation>Fensterinhalt</translation>
    </message>
    <message>
        <source>All of the window&apos;s controls</source>
        <translation>Alle Bedienelemente des Fensters</translation>
    </message>
    <message>
        <source>The screen is too small for the whole window: its controls scroll</source>
        <translation>Der Bildschirm ist zu klein für das ganze Fenster: seine Bedienelemente lassen sich verschieben</translation>
    </message>
    <message>
        <source>Scroll bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
</context>
<context>
    <name>WordEdits</name>
    <message>
        <source>&quot;%1&quot; stayed at its time.</source>
        <translation>„%1“ blieb bei seiner Zeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now starts at %2%3; Ctrl+Z puts it back.</source>
        <translation>„%1“ beginnt jetzt bei %2%3; Ctrl+Z setzt es zurück.</translation>
    </message>
    <message>
        <source>, and line %1 with it</source>
        <translation>, und Zeile %1 mit ihm</translation>
    </message>
    <message>
        <source>Point inside a timed word in the strip to split it there.</source>
        <translation>In der Leiste in ein Wort mit Zeit zeigen, um es dort zu teilen.</translation>
    </message>
    <message>
        <source>Point further inside &quot;%1&quot; to split it.</source>
        <translation>Weiter in „%1“ hinein zeigen, um es zu teilen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short to split.</source>
        <translation>„%1“ ist zu kurz zum Teilen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be split there.</source>
        <translation>„%1“ ließ sich dort nicht teilen.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2-%3&quot;%4 at %5; Ctrl+Z joins it again.</source>
        <translation>„%1“ bei %5 in „%2-%3“ geteilt%4; Ctrl+Z fügt es wieder zusammen.</translation>
    </message>
    <message>
        <source> (one syllable: split at the pointer)</source>
        <translation> (eine Silbe: am Zeiger geteilt)</translation>
    </message>
    <message>
        <source>That word has one syllable, or no time yet.</source>
        <translation>Dieses Wort hat nur eine Silbe oder noch keine Zeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is sung too briefly to split into syllables.</source>
        <translation>„%1“ wird zu kurz gesungen, um es in Silben zu teilen.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into %2; drag each syllable to its start.</source>
        <translation>„%1“ in %2 geteilt; jede Silbe an ihren Anfang ziehen.</translation>
    </message>
    <message>
        <source>That word has no time yet: mark it with word marking on (Ctrl+W), or take the line&apos;s suggested word times (Ctrl+Shift+W).</source>
        <translation>Dieses Wort hat noch keine Zeit: mit eingeschalteter Wortmarkierung (Ctrl+W) markieren oder die vorgeschlagenen Wortzeiten der Zeile übernehmen (Ctrl+Shift+W).</translation>
    </message>
    <message>
        <source>Time the line&apos;s words first, then split one: mark them with word marking on (Ctrl+W), or take their suggested times (Ctrl+Shift+W).</source>
        <translation>Erst die Wörter der Zeile zeitlich setzen, dann eines teilen: mit eingeschalteter Wortmarkierung (Ctrl+W) markieren oder ihre vorgeschlagenen Zeiten übernehmen (Ctrl+Shift+W).</translation>
    </message>
</context>
<context>
    <name>WordStrip</name>
    <message>
        <source>%1, not marked yet</source>
        <translation>%1, noch nicht markiert</translation>
    </message>
    <message>
        <source>The selected line&apos;s words at their times. A click selects the word and plays from there; drag a word to move its start (Shift: not onto the voice&apos;s onsets); Ctrl+wheel zooms. Alt+Left, Alt+Right nudge the selected word.</source>
        <translation>Die Wörter der ausgewählten Zeile an ihren Zeiten. Ein Klick wählt das Wort und spielt ab dort; ein Wort ziehen verschiebt seinen Anfang (Shift: nicht auf die Einsätze der Stimme); Ctrl+Mausrad zoomt. Alt+Left, Alt+Right verschieben das ausgewählte Wort.</translation>
    </message>
    <message>
        <source>Hollow tick: “%1” suggested at %2, not saved until accepted. %3</source>
        <translation>Hohler Strich: „%1“ vorgeschlagen bei %2, erst nach dem Übernehmen gespeichert. %3</translation>
    </message>
    <message>
        <source>%1, suggested %2</source>
        <translation>%1, vorgeschlagen %2</translation>
    </message>
</context>
<context>
    <name>WordTiming</name>
    <message>
        <source>Nudges move lines of the lyric sheet: show it first.</source>
        <translation>Feinschritte verschieben Zeilen des Textblatts: zuerst das Blatt zeigen.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W accepts the line&apos;s suggested word times; a word you mark stays and the rest follow it.</source>
        <translation>Ctrl+Shift+W übernimmt die vorgeschlagenen Wortzeiten der Zeile; ein von Ihnen markiertes Wort bleibt, die übrigen folgen ihm.</translation>
    </message>
    <message>
        <source>Loop ended; the song plays on.</source>
        <translation>Schleife beendet; das Lied spielt weiter.</translation>
    </message>
    <message>
        <source>Select a marked line to loop it.</source>
        <translation>Eine markierte Zeile auswählen, um sie in Schleife zu spielen.</translation>
    </message>
    <message>
        <source>That word has no time to loop yet.</source>
        <translation>Dieses Wort hat noch keine Zeit für eine Schleife.</translation>
    </message>
    <message>
        <source>Line %1 has no time to loop yet.</source>
        <translation>Zeile %1 hat noch keine Zeit für eine Schleife.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Looping %1 (%2 to %3): drag or nudge while it plays; Ctrl+Shift+R ends the loop.</source>
        <translation>Schleife über %1 (%2 bis %3): während des Abspielens ziehen oder verschieben; Ctrl+Shift+R beendet die Schleife.</translation>
    </message>
    <message>
        <source>Loop ended: what it played has no time any more.</source>
        <translation>Schleife beendet: was sie spielte, hat keine Zeit mehr.</translation>
    </message>
    <message>
        <source>Split a word in the word strip: select a line whose words are timed (Ctrl+W marks them).</source>
        <translation>Ein Wort in der Wortleiste teilen: eine Zeile mit Wortzeiten auswählen (Ctrl+W markiert sie).</translation>
    </message>
    <message>
        <source>Point in the word strip where the syllable starts, then press Ctrl+Shift+H.</source>
        <translation>In der Wortleiste auf den Anfang der Silbe zeigen, dann Ctrl+Shift+H drücken.</translation>
    </message>
    <message>
        <source>Select a word in the word strip to split it into its syllables.</source>
        <translation>Ein Wort in der Wortleiste auswählen, um es in seine Silben zu teilen.</translation>
    </message>
</context>
<context>
    <name>frmSychLyrics</name>
    <message>
        <source> No Lyrics Found For  -  %1</source>
        <translation> Kein Liedtext gefunden für  -  %1</translation>
    </message>
    <message>
        <source>Load Lyrics From Text</source>
        <translation>Text aus Textfeld laden</translation>
    </message>
    <message>
        <source>Pause or stop the song before reading %1 into the sheet.</source>
        <translation>Vor dem Einlesen von %1 ins Blatt das Lied pausieren oder anhalten.</translation>
    </message>
    <message>
        <source>the timed lyrics</source>
        <translation>den getakteten Text</translation>
    </message>
    <message>
        <source>%1 is not a song. Drop a song on the window, or a text file of lyrics on the lyrics text panel.</source>
        <translation>%1 ist kein Lied. Ein Lied aufs Fenster ziehen, oder eine Textdatei mit Liedtext aufs Textfeld.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 are kept: open it again and press Ctrl+Shift+O to bring them back.</source>
        <translation>Die ungespeicherten Änderungen am Liedtext von %1 sind aufbewahrt: Öffnen Sie es wieder und drücken Sie Ctrl+Shift+O, um sie zurückzuholen.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 could not be kept: %2</source>
        <translation>Die ungespeicherten Änderungen am Liedtext von %1 konnten nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Changes to these lyrics were left unsaved on %1: Ctrl+Shift+O brings them back.</source>
        <translation>Änderungen an diesem Liedtext blieben am %1 ungespeichert: Ctrl+Shift+O holt sie zurück.</translation>
    </message>
    <message>
        <source>Pause or stop the song before bringing back its unsaved changes.</source>
        <translation>Halten Sie das Lied an oder stoppen Sie es, bevor Sie seine ungespeicherten Änderungen zurückholen.</translation>
    </message>
    <message>
        <source>Open a song before putting its lyrics on the sheet.</source>
        <translation>Öffnen Sie einen Song, bevor Sie seinen Text auf das Blatt bringen.</translation>
    </message>
    <message>
        <source>The lyrics are on the sheet; the song&apos;s tag is as it was. Save writes them to %1.</source>
        <translation>Der Text ist auf dem Blatt; der Tag des Songs ist unverändert. Speichern schreibt ihn in %1.</translation>
    </message>
</context>
</TS>
