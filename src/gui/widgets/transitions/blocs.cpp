#include "moteur.h"

#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <numeric>

void MoteurTransitions::DessinerBlocs(QPainter& masque, const QSize& taille, const Effet& effet, int numero,
                                      double t)
{
    // The order depends only on the effect and the size: worked out once per transition.
    if (m_numeroBlocs != numero || m_tailleBlocs != taille) {
        m_numeroBlocs = numero;
        m_tailleBlocs = taille;
        const int bw = effet.a > 0 ? effet.a : taille.width();
        const int bh = effet.b > 0 ? effet.b : taille.height();
        const int colonnes = (taille.width() + bw - 1) / bw, lignes = (taille.height() + bh - 1) / bh;
        std::vector<int> ordre(static_cast<size_t>(colonnes * lignes));
        std::iota(ordre.begin(), ordre.end(), 0);
        auto distanceCentre = [&](int k) {
            const double dx = (k % colonnes + 0.5) - colonnes / 2.0, dy = (k / colonnes + 0.5) - lignes / 2.0;
            return dx * dx * bw * bw + dy * dy * bh * bh;
        };
        switch (effet.c) {
        case Aleatoire: {
            // A fixed seed per effect: the same number always dissolves the same way.
            QRandomGenerator hasard(static_cast<quint32>(numero));
            for (size_t i = ordre.size(); i > 1; --i)
                std::swap(ordre[i - 1], ordre[hasard.bounded(static_cast<quint32>(i))]);
            break;
        }
        case SpiraleEntrante:
        case SpiraleSortante: {
            ordre.clear();
            int haut = 0, bas = lignes - 1, gauche = 0, droite = colonnes - 1;
            while (haut <= bas && gauche <= droite) {
                for (int x = gauche; x <= droite; ++x)
                    ordre.push_back(haut * colonnes + x);
                for (int y = haut + 1; y <= bas; ++y)
                    ordre.push_back(y * colonnes + droite);
                if (haut < bas)
                    for (int x = droite - 1; x >= gauche; --x)
                        ordre.push_back(bas * colonnes + x);
                if (gauche < droite)
                    for (int y = bas - 1; y > haut; --y)
                        ordre.push_back(y * colonnes + gauche);
                ++haut, --bas, ++gauche, --droite;
            }
            if (effet.c == SpiraleSortante)
                std::reverse(ordre.begin(), ordre.end());
            break;
        }
        case SerpentinHorizontal:
            for (int y = 1; y < lignes; y += 2)
                std::reverse(ordre.begin() + y * colonnes, ordre.begin() + (y + 1) * colonnes);
            break;
        case SerpentinVertical:
            ordre.clear();
            for (int x = 0; x < colonnes; ++x)
                for (int i = 0; i < lignes; ++i)
                    ordre.push_back((x % 2 == 0 ? i : lignes - 1 - i) * colonnes + x);
            break;
        case Diagonale:
            std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
                return a % colonnes + a / colonnes < b % colonnes + b / colonnes;
            });
            break;
        case DepuisCentre:
        case VersCentre:
            std::stable_sort(ordre.begin(), ordre.end(),
                             [&](int a, int b) { return distanceCentre(a) < distanceCentre(b); });
            if (effet.c == VersCentre)
                std::reverse(ordre.begin(), ordre.end());
            break;
        default:
            break;
        }
        m_blocs.clear();
        m_blocs.reserve(ordre.size());
        for (int k : ordre)
            m_blocs.emplace_back(k % colonnes * bw, k / colonnes * bh, bw, bh);
    }
    const auto montres = static_cast<size_t>(std::lround(t * static_cast<double>(m_blocs.size())));
    for (size_t i = 0; i < montres && i < m_blocs.size(); ++i)
        masque.fillRect(m_blocs[i], Qt::black);
}
