// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "options.h"
#include "par_sheet.h"

namespace zantaro::simulator {

namespace {

void runPar(const ParOptions& options, std::ostream& out)
{
    const ParSheet sheet = makeParSheet(options.simulation);
    if (options.json)
        out << parSheetJson(sheet) << '\n';
    else
        writeParSheetText(sheet, out);
}

} // namespace

int runSimulator(std::span<const std::string> arguments, std::ostream& out, std::ostream& errors)
{
    Command command;
    try {
        command = parseCommandLine(arguments);
    } catch (const UsageError& error) {
        errors << "zantaro-sim: " << error.what() << "\n\n" << usageText();
        return ExitUsage;
    }
    try {
        if (const auto* play = std::get_if<PlayOptions>(&command))
            printPlay(*play, out);
        else if (const auto* par = std::get_if<ParOptions>(&command))
            runPar(*par, out);
        else
            out << usageText();
    } catch (const FreeSpinRunaway& error) {
        out.flush();
        errors << "zantaro-sim: " << error.what() << '\n';
        return ExitRunFailed;
    }
    out.flush();
    return ExitSuccess;
}

} // namespace zantaro::simulator
