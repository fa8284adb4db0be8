#pragma once

#include <QString>

#include <functional>

// Whether the speech model in folder may be loaded in this process. The recogniser ends the
// process on a model it cannot read (it exits on some faults and crashes on others), which
// would take the window and its unsaved work with it. A model is trusted when its files are
// the ones its package installed (the package's list of sums), and otherwise only once load,
// run in a child process, came back alive with a model. Answers "" when it may be loaded, else
// why not, for the status line. Asked once per folder for the life of the process.
QString SpeechModelProblem(const QString& folder, const std::function<bool()>& load);

// Where the package's list of sums is looked for; "" for the package's own.
void SetPackageSumsFile(const QString& path);
