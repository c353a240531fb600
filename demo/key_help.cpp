#include "key_help.h"

#include "console_line.h"

void printKeyHelp(std::ostream& out)
{
    // Each key name is padded to eleven characters so the descriptions line up.
    writeLine(out, "Tastenbelegung:");
    writeLine(out, "ESC        Programm beenden");
    writeLine(out, "Leertaste  Objekt drehen");
    writeLine(out, "+          Hineinzoomen");
    writeLine(out, "-          Herauszoomen");
    writeLine(out, "a          Alpha Blending ein/aus");
    writeLine(out, "x          Alpha-Schwellwert erhoehen");
    writeLine(out, "y          Alpha-Schwellwert senken");
    writeLine(out, "");
}
