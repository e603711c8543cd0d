#pragma once
// Batch actions on files and on the lists the calculator produces: --open, --save, --reference,
// --netlist. The file dialogs are answered with the path given on the command line.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

std::string checkFilePath(const std::string& path);
bool runOpenDesign(Calculator& calc, const std::string& path, std::ostream& out);
bool runSaveDesign(Calculator& calc, const std::string& path, std::ostream& out);

bool printReferenceList(Calculator& calc, const std::string& unused, std::ostream& out);

std::string checkNetlistModel(const std::string& model);
bool printNetlist(Calculator& calc, const std::string& model, std::ostream& out);

} // namespace qv
