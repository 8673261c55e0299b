// The pictures that the results page's preview area shows instead of an
// image: a photo symbol above a caption in the interface language.

#include "image_recipe.h"


namespace {

struct PreviewCaptions {
    const char* code;
    const char* placeholder;  // a row that has no picture to show
    const char* afterRun;     // the run has results that can be shown
    const char* notSupported; // the format cannot be shown
};

const PreviewCaptions kCaptions[] = {
    {"en", "Select a repaired file to see its preview.", "Click a repaired file to see its preview.",
     "Preview is not available for this file type."},
    {"de", "W\u00e4hlen Sie eine reparierte Datei f\u00fcr die Vorschau.",
     "Klicken Sie auf eine reparierte Datei, um die Vorschau zu sehen.",
     "F\u00fcr diesen Dateityp ist keine Vorschau verf\u00fcgbar."},
    {"fr", "S\u00e9lectionnez un fichier r\u00e9par\u00e9 pour voir son aper\u00e7u.",
     "Cliquez sur un fichier r\u00e9par\u00e9 pour voir son aper\u00e7u.",
     "Aper\u00e7u non disponible pour ce type de fichier."},
    {"it", "Seleziona un file riparato per vederne l'anteprima.",
     "Fai clic su un file riparato per vederne l'anteprima.",
     "Anteprima non disponibile per questo tipo di file."},
    {"es", "Seleccione un archivo reparado para ver su vista previa.",
     "Haga clic en un archivo reparado para ver su vista previa.",
     "Vista previa no disponible para este tipo de archivo."},
    {"cn", "\u9009\u62e9\u5df2\u4fee\u590d\u7684\u6587\u4ef6\u4ee5\u67e5\u770b\u9884\u89c8\u3002",
     "\u5355\u51fb\u5df2\u4fee\u590d\u7684\u6587\u4ef6\u4ee5\u67e5\u770b\u9884\u89c8\u3002",
     "\u6b64\u6587\u4ef6\u7c7b\u578b\u65e0\u6cd5\u9884\u89c8\u3002"},
    {"ja", "\u4fee\u5fa9\u3057\u305f\u30d5\u30a1\u30a4\u30eb\u3092\u9078\u629e\u3059\u308b\u3068\u30d7\u30ec\u30d3"
           "\u30e5\u30fc\u304c\u8868\u793a\u3055\u308c\u307e\u3059\u3002",
     "\u4fee\u5fa9\u3057\u305f\u30d5\u30a1\u30a4\u30eb\u3092\u30af\u30ea\u30c3\u30af\u3059\u308b\u3068\u30d7\u30ec"
     "\u30d3\u30e5\u30fc\u304c\u8868\u793a\u3055\u308c\u307e\u3059\u3002",
     "\u3053\u306e\u30d5\u30a1\u30a4\u30eb\u5f62\u5f0f\u306f\u30d7\u30ec\u30d3\u30e5\u30fc\u3067\u304d\u307e\u305b"
     "\u3093\u3002"},
    {"ko", "\ubcf5\uad6c\ub41c \ud30c\uc77c\uc744 \uc120\ud0dd\ud558\uba74 \ubbf8\ub9ac \ubcf4\uae30\uac00 "
           "\ud45c\uc2dc\ub429\ub2c8\ub2e4.",
     "\ubcf5\uad6c\ub41c \ud30c\uc77c\uc744 \ud074\ub9ad\ud558\uba74 \ubbf8\ub9ac \ubcf4\uae30\uac00 "
     "\ud45c\uc2dc\ub429\ub2c8\ub2e4.",
     "\uc774 \ud30c\uc77c \ud615\uc2dd\uc740 \ubbf8\ub9ac \ubcf4\uae30\ub97c \uc9c0\uc6d0\ud558\uc9c0 "
     "\uc54a\uc2b5\ub2c8\ub2e4."},
    {"du", "Selecteer een gerepareerd bestand voor een voorbeeld.",
     "Klik op een gerepareerd bestand om het voorbeeld te zien.",
     "Voor dit bestandstype is geen voorbeeld beschikbaar."},
    {"br", "Selecione um arquivo reparado para ver a visualiza\u00e7\u00e3o.",
     "Clique em um arquivo reparado para ver a visualiza\u00e7\u00e3o.",
     "Visualiza\u00e7\u00e3o indispon\u00edvel para este tipo de arquivo."},
    {"hi", "\u092a\u0942\u0930\u094d\u0935\u093e\u0935\u0932\u094b\u0915\u0928 \u0915\u0947 \u0932\u093f\u090f "
           "\u092e\u0930\u092e\u094d\u092e\u0924 \u0915\u0940 \u0917\u0908 \u092b\u093c\u093e\u0907\u0932 "
           "\u091a\u0941\u0928\u0947\u0902\u0964",
     "\u092a\u0942\u0930\u094d\u0935\u093e\u0935\u0932\u094b\u0915\u0928 \u0926\u0947\u0916\u0928\u0947 \u0915\u0947 "
     "\u0932\u093f\u090f \u092e\u0930\u092e\u094d\u092e\u0924 \u0915\u0940 \u0917\u0908 \u092b\u093c\u093e\u0907"
     "\u0932 \u092a\u0930 \u0915\u094d\u0932\u093f\u0915 \u0915\u0930\u0947\u0902\u0964",
     "\u0907\u0938 \u092b\u093c\u093e\u0907\u0932 \u092a\u094d\u0930\u0915\u093e\u0930 \u0915\u093e "
     "\u092a\u0942\u0930\u094d\u0935\u093e\u0935\u0932\u094b\u0915\u0928 \u0909\u092a\u0932\u092c\u094d\u0927 "
     "\u0928\u0939\u0940\u0902 \u0939\u0948\u0964"},
};

// The 96-DPI size. The preview area is 420 x 310 and centres the picture,
// but the results tree covers its left 22 pixels, so the picture keeps
// clear of them on both sides.
const QSize kBaseSize(360, 290);

QSize setSize(int set)
{
    const float scales[3] = {1.0f, 1.25f, 1.5f};
    return QSize(int(float(kBaseSize.width()) * scales[set]), int(float(kBaseSize.height()) * scales[set]));
}

// The "not supported" pictures carry the set's size mark, except for the
// languages whose pictures have one size mark in every set.
QString sizeMark(int set, const QString& code)
{
    if (code == QLatin1String("cn") || code == QLatin1String("ja") || code == QLatin1String("ko"))
        return QStringLiteral("100");
    const char* marks[3] = {"100", "125", "150"};
    return QLatin1String(marks[set]);
}

// A struck-through circle over the photo: the file cannot be shown.
void drawNoEntry(QPainter& p, const QRectF& photo)
{
    const qreal d = photo.height() * 0.7;
    const QRectF sign(photo.right() - d * 0.6, photo.bottom() - d * 0.6, d, d);
    const qreal pen = qMax<qreal>(2.0, d / 9);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(200, 50, 50), pen));
    p.drawEllipse(sign.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    const qreal inset = d * 0.23;
    p.drawLine(sign.topLeft() + QPointF(inset, inset), sign.bottomRight() - QPointF(inset, inset));
}

Painter previewPicture(const QString& caption, bool notSupported)
{
    return [caption, notSupported](QPainter& p, const QSizeF& s) {
        const qreal w = s.width(), h = s.height();
        p.setPen(QPen(QColor(205, 215, 228), qMax<qreal>(1.0, h / 200)));
        p.setBrush(QColor(246, 249, 253));
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), h / 20, h / 20);
        const QRectF photo(w * 0.34, h * 0.14, w * 0.32, h * 0.36);
        drawPhoto(p, photo, notSupported ? QColor(150, 150, 150) : QColor(0, 112, 214));
        if (notSupported)
            drawNoEntry(p, photo);
        p.setFont(captionFont(h * 0.06, false));
        p.setPen(QColor(70, 70, 70));
        p.drawText(QRectF(w * 0.08, h * 0.64, w * 0.84, h * 0.3), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   caption);
    };
}

ImageRecipe oneSizeRecipe(const QString& name, int set, Painter draw)
{
    const QSize size = setSize(set);
    return {keptName(name), {size, size, size}, std::move(draw)};
}

} // namespace

std::vector<ImageRecipe> previewRecipes(int set, bool korean)
{
    std::vector<ImageRecipe> recipes;
    for (const PreviewCaptions& language : kCaptions) {
        const QString code = QLatin1String(language.code);
        if (korean != (code == QLatin1String("ko")))
            continue;
        recipes.push_back(oneSizeRecipe(QStringLiteral("preview%1.png").arg(code), set,
                                        previewPicture(QString::fromUtf8(language.placeholder), false)));
        recipes.push_back(oneSizeRecipe(QStringLiteral("preview1%1.png").arg(code), set,
                                        previewPicture(QString::fromUtf8(language.afterRun), false)));
        recipes.push_back(oneSizeRecipe(QStringLiteral("notSupported%1%2.png").arg(code, sizeMark(set, code)), set,
                                        previewPicture(QString::fromUtf8(language.notSupported), true)));
    }
    return recipes;
}
