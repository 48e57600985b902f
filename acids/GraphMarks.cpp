#include "acids/GraphMarks.h"

#include "shell/Quantities.h"

namespace acids {

double chosenConcentration() { return shell::describedRun().amount / 100.0; }

QString graphName(kinetics::core::ModelCode code, Graph graph)
{
    using kinetics::core::ModelCode;
    struct Names
    {
        ModelCode code;
        const char *species;
        const char *ph;
    };
    static constexpr Names names[] = {
        {ModelCode::Carbonic, "Carbonic", "Carbonic"},
        {ModelCode::Arsenic, "ARSENIC", "ARSENIC"},
        {ModelCode::Phosphoric, "PHOSPHORIC", "PHOSPHORIC ACID"},
        {ModelCode::Pyrophosphoric, "PHYROPHOSPHORIC", "HYPERPHOSPHORIC"},
    };
    for (const Names &n : names)
        if (n.code == code)
            return QString::fromLatin1(graph == Graph::Species ? n.species : n.ph);
    return {};
}

} // namespace acids
