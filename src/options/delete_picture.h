#pragma once
// Deleting the panel's picture: it and its thumbnail go to the trash.

#include "options/file_action_report.h"

#include <QString>

namespace quiverel {

class Desktop;

// The question asked first: its title and its text (entry 33, two blanks, the path).
FileActionReport deleteQuestion(const QString& path, const QString& deleteText);

// True when the picture went to the trash; its thumbnail follows it. A
// picture that stays gets a report.
bool recyclePicture(Desktop& desktop, const QString& folder, const QString& fileName,
                    FileActionReport* report);

} // namespace quiverel
