#include "BenchPages.h"

#include <QCoreApplication>
#include <QFile>

QByteArray taggedPage(qsizetype bytes)
{
    QByteArray page;
    page.reserve(bytes + 4096);
    for (int line = 0; page.size() < bytes - 128; ++line) {
        switch (line % 3) {
        case 0:
            page += "<TR><TD CLASS=\"c\">Cell ";
            page += QByteArray::number(line);
            page += "</TD><TD>caf\xc3\xa9 <B>bold</B></TD></TR>\r\n";
            break;
        case 1:
            page += "<LI><A HREF=\"p";
            page += QByteArray::number(line);
            page += ".html\">link</A> <IMG SRC=\"dot.gif\"></LI>\r\n";
            break;
        default:
            page += "<P>Some <I>text</I> here.</P>\r\n";
            break;
        }
    }
    return page;
}

QByteArray onOneLine(QByteArray page)
{
    return page.replace("\r\n", "  ");
}

bool writePage(const QString &path, const QByteArray &page)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(page) == page.size() && out.flush();
}

QString benchRoot()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}
