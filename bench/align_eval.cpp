// velmora-align-eval FOLDER...: the suggested times measured on the generated songs under
// each folder (make-align-songs.py, make-hard-songs.py), tables on stdout, a line per song on
// stderr (--jobs N: N songs at once). For tuning by hand; the bench runs the same measurement on
// its own seeds. velmora-align-eval --words FOLDER...: the word suggestions on make-word-songs.py's
// songs (VELMORA_WORDS_DEBUG=1: every word of every line on stderr). VELMORA_EVAL_LINES=1 adds
// a row per suggested line and per checked mark on stderr; VELMORA_EVAL_NO_CHECK=1 leaves the
// timing check out, VELMORA_EVAL_CHECK_ONLY=1 all but it. VELMORA_EVAL_VOICE=1 adds a row per
// song with its voice map (a 0 or 1 per 10 ms frame, then the onsets in ms), to try a rule on
// the dumped rows without running the aligner again.

#include "AlignEval.h"
#include "WordEval.h"
#include "media/LinkedMedia.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UseMediaSource(OpenLinkedMedia);
    const QStringList folders = app.arguments().mid(1);
    if (folders.isEmpty()) {
        std::fputs("Usage: velmora-align-eval [--easy | --words] [--jobs N] FOLDER...\n", stderr);
        return 2;
    }
    if (folders.first() == "--words") {
        for (const QString& folder : folders.mid(1))
            PrintWordFigures(qPrintable(folder), MeasureWords(folder, true));
        return 0;
    }
    bool hard = true;
    int jobs = 1;
    std::vector<AlignCase> cases;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString& folder = folders.at(i);
        if (folder == "--easy") {
            hard = false;
            continue;
        }
        if (folder == "--jobs" && i + 1 < folders.size()) {
            jobs = std::max(1, folders.at(++i).toInt());
            continue;
        }
        for (AlignCase& c : LoadAlignCases(folder))
            cases.push_back(std::move(c));
    }
    const AlignFigures f = MeasureAlignment(cases, true, jobs);
    const bool met = PrintAlignFigures(qPrintable(folders.join(", ")), f, hard);
    std::printf("\ntargets: %s\n", met ? "all met" : "not all met");
    return 0;
}
