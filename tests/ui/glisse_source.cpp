// A drag source for scripts/essai_glisser, which drives it with the real pointer under Xvfb.
//
//   tavik_glisse_source TEXTE X Y      a window "Source du glisser" at X, Y showing TEXTE; a
//                                      press on it drags TEXTE as plain text; once the drag is
//                                      over, prints "accepte" or "refuse", and quits 3 s later
//   tavik_glisse_source --presse-papiers
//                                      prints the text on the clipboard and quits

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

namespace {

class Source : public QLabel
{
public:
    explicit Source(const QString& texte)
        : QLabel(texte)
    {
        setWindowTitle(QStringLiteral("Source du glisser"));
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Box);
        setFixedSize(200, 100);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* donnees = new QMimeData;
        donnees->setText(text());
        auto* glisser = new QDrag(this);
        glisser->setMimeData(donnees);
        const Qt::DropAction fait = glisser->exec(Qt::CopyAction);
        std::puts(fait == Qt::CopyAction ? "accepte" : "refuse");
        std::fflush(stdout);
        // The drop is said to the target after the drag returns, and the target then asks this
        // program for the text: it stays a while before it quits.
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.value(1) == QStringLiteral("--presse-papiers")) {
        std::puts(qPrintable(QGuiApplication::clipboard()->text()));
        return 0;
    }
    if (arguments.size() != 4) {
        std::fputs("Utilisation\u00a0: tavik_glisse_source TEXTE X Y | --presse-papiers\n", stderr);
        return 2;
    }
    Source source(arguments[1]);
    source.move(arguments[2].toInt(), arguments[3].toInt());
    source.show();
    return QApplication::exec();
}
