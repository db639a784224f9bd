#include "aide.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tavik::ui::test {

Banc::Banc()
{
    Hote hote;
    hote.message = [this](const std::string& texte) {
        messages.push_back(texte);
        if (au_message) au_message();
    };
    hote.horloge = [this] {
        if (a_chaque_lecture) a_chaque_lecture();
        return *temps += 0.03;
    };
    fenetre = std::make_unique<FenetrePlateau>(*com, TAVIK_BIBLIO, hote);
    fenetre->show();
    if (!QTest::qWaitForWindowExposed(fenetre.get())) qWarning("main window not exposed");
}

Banc::~Banc() = default;

QPushButton* Banc::bouton(const char* nom) const
{
    auto* b = fenetre->findChild<QPushButton*>(QString::fromLatin1(nom));
    if (!b) qFatal("no button %s", nom);
    return b;
}

QCheckBox* Banc::coche(const char* nom) const
{
    auto* c = fenetre->findChild<QCheckBox*>(QString::fromLatin1(nom));
    if (!c) qFatal("no check box %s", nom);
    return c;
}

QListWidget* Banc::liste(const char* nom) const
{
    auto* l = fenetre->findChild<QListWidget*>(QString::fromLatin1(nom));
    if (!l) qFatal("no list %s", nom);
    return l;
}

QString Banc::texte(const char* nom) const
{
    if (auto* l = fenetre->findChild<QLabel*>(QString::fromLatin1(nom))) return l->text();
    if (auto* t = fenetre->findChild<QLineEdit*>(QString::fromLatin1(nom))) return t->text();
    qFatal("no text control %s", nom);
}

void Banc::clique(const char* nom) const
{
    QTest::mouseClick(bouton(nom), Qt::LeftButton);
}

void Banc::clique_case(const char* nom) const
{
    QCheckBox* c = coche(nom);
    QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
}

void Banc::clique_tuile(const char* coup, Qt::MouseButton bouton) const
{
    QTest::mouseClick(fenetre->tuile(index_de(coup)), bouton);
}

void Banc::joue(const QString& coups) const
{
    for (const QString& coup : coups.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        clique_tuile(coup.toLatin1().constData());
}

QString Banc::images() const
{
    QString s;
    for (int i = 0; i < 64; ++i) {
        s += QString::number(fenetre->tuile(i)->image());
        if (i % 8 == 7 && i < 63) s += QLatin1Char('\n');
    }
    return s;
}

int Banc::image(const char* coup) const
{
    return fenetre->tuile(index_de(coup))->image();
}

int index_de(const char* coup)
{
    return (coup[1] - '1') * 8 + (coup[0] - 'A');
}

QStringList lignes(const QListWidget& liste)
{
    QStringList l;
    for (int i = 0; i < liste.count(); ++i) l << liste.item(i)->text();
    return l;
}

QString images_du_coeur(const Plateau& plateau)
{
    QString s;
    for (int i = 0; i < 64; ++i) {
        s += QString::number(plateau.controles.plateau[static_cast<std::size_t>(i)]);
        if (i % 8 == 7 && i < 63) s += QLatin1Char('\n');
    }
    return s;
}

} // namespace tavik::ui::test
