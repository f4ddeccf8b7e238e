#pragma once
// Reading an address book as a mail-merge data file: vCards (versions 3 and 4, as
// address books export them, a ".vcf" file), one row per card. The fields are named
// in French after the properties: Nom and Prénom (N), Nom complet (FN), Société
// (ORG), Fonction (TITLE), Adresse, CP, Ville, Région and Pays (the first ADR),
// Téléphone (the first TEL), Mobile (the first TEL of type cell), Courriel (the first
// EMAIL), Site (URL) and Note (NOTE). Folded lines are unfolded and the escapes \n, \,
// \; and \\ read; other properties are passed over.
//
// Bounds as for CSV files: at most 100,000 cards and values of 10,000 characters; a
// card that never ends is reported with the line where it began.

#include "merge/core/DataFile.h"

namespace plk {

/// Whether the text is an address book of vCards (its first line opens a card).
bool isVCardText(QStringView text);

/// The cards of the text; `name` names the file in the messages.
DataFileResult readVCardText(QStringView text, const QString& name);

}  // namespace plk
