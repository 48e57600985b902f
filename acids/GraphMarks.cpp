#include "acids/GraphMarks.h"

#include "lesson/Model.h"

#include <QCoreApplication>

namespace acids {

double chosenConcentration() { return lesson::model().described().amount / 100.0; }

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
        {ModelCode::Carbonic, QT_TRANSLATE_NOOP("GraphMarks", "Carbonic"), QT_TRANSLATE_NOOP("GraphMarks", "Carbonic")},
        {ModelCode::Arsenic, QT_TRANSLATE_NOOP("GraphMarks", "ARSENIC"), QT_TRANSLATE_NOOP("GraphMarks", "ARSENIC")},
        {ModelCode::Phosphoric, QT_TRANSLATE_NOOP("GraphMarks", "PHOSPHORIC"),
         QT_TRANSLATE_NOOP("GraphMarks", "PHOSPHORIC ACID")},
        {ModelCode::Pyrophosphoric, QT_TRANSLATE_NOOP("GraphMarks", "PHYROPHOSPHORIC"),
         QT_TRANSLATE_NOOP("GraphMarks", "HYPERPHOSPHORIC")},
    };
    for (const Names &n : names)
        if (n.code == code)
            return QCoreApplication::translate("GraphMarks", graph == Graph::Species ? n.species : n.ph);
    return {};
}

} // namespace acids
