#pragma once
// The entries of the main window's menus, by their place in the menu: the numbers are
// the positions of the entries (separators count). The names also name the commands'
// actions (CommandRegistry), which the task pane and the project windows' toolbar trigger.

namespace plk {

enum class Fichier {
    Nouveau = 0,             // "Créer un nouveau projet"
    Ouvrir = 1,              // "Ouvrir un projet..."
    Enregistrer = 3,         // "Enregistrer le projet"
    EnregistrerSous = 4,     // "Enregistrer le projet sous..."
    EnregistrerGabarit = 5,  // "Enregistrer comme un gabarit"
    Cloturer = 7,            // "Clôturer le projet"
    Apercu = 9,              // "Aperçu avant impression"
    Imprimer = 10,           // "Imprimer le projet"
    Preferences = 12,        // "Préférences..."
    Quitter = 14,            // "Quitter"
};

enum class Edition {
    AjouterTexte = 0,    // "Ajouter un objet texte"
    AjouterLogo = 1,     // "Ajouter un objet logo"
    SupprimerObjet = 3,  // "Supprimer un objet"
    Copier = 5,          // "Copier"
    Coller = 6,          // "Coller"
    Exporter = 8,        // "Exporter dans une image"
    BoiteOutils = 10,    // "Boite à outils"
    AjouterCode = 12,    // "Ajouter un code-barres"
    AjouterForme = 13,   // "Ajouter une forme"
    PivoterGauche = 15,  // "Pivoter de 90° à gauche"
    PivoterDroite = 16,  // "Pivoter de 90° à droite"
};

enum class Projet {
    AjouterOnglet = 0,    // "Ajouter un nouvel onglet"
    RenommerOnglet = 2,   // "Renommer un onglet"
    SupprimerOnglet = 4,  // "Supprimer un onglet"
};

enum class Fenetre {
    MosaiqueHorizontal = 0,  // "Mosaïque horizontal"
    MosaiqueVertical = 1,    // "Mosaïque vertical"
    Cascade = 2,             // "En cascade"
    ReorganiserIcones = 3,   // "Réorganiser les icônes"
    FermerFenetres = 5,      // "Fermer les fenêtres"
};

enum class Aide {
    Rubrique = 0,    // "Rubrique de l'aide"
    Historique = 2,  // "Historique des versions"
    Licence = 3,     // "Licence d'exploitation"
    APropos = 5,     // "A propos de..."
};

}  // namespace plk
