#pragma once
// The contact of a business card as a vCard, the text a phone's camera reads from a
// QR code and offers to add to the address book.

#include <QString>

namespace plk {

struct VCardFields {
    QString name;          // "Marie Dupont": given names, then the family name
    QString organisation;
    QString phone;
    QString email;
    QString web;
};

/// A vCard 3.0 of the filled fields, one property a line ("\n" between lines, as
/// codes keep their line breaks); empty when every field is empty.
QString vCardData(const VCardFields& fields);

/// The data with its lines ending CR LF when it is a vCard, as vCard readers expect
/// inside a code; any other data as it is.
QString withVCardLineEnds(const QString& data);

}  // namespace plk
