<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>ヒュー・グラント</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>アイルトン・セナ</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>ジネディーヌ・ジダン</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>ケイティ・ペリー</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>スカーレット・ヨハンソン</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>ジェーン・フォンダ</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>ジャック・ニコルソン</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>アンソニー・ホプキンス</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>メリル・ストリープ</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>エディ・マーフィ</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>バラク・オバマ</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>キーラ・ナイトレイ</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>コフィー・アナン</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>スティーヴィー・ワンダー</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>ジョディ・フォスター</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>レオナルド・ディカプリオ</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>レディー・ガガ</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>ウサイン・ボルト</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>ティナ・ターナー</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>サリー・ライド</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>マイケル・ジョーダン</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>デビッド・ベッカム</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>アンジェリーナ・ジョリー</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>リオネル・メッシ</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>ジョン・レノン</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>ブルース・リー</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>キアヌ・リーブス</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>ボブ・ディラン</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>スティーヴン・ホーキング</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>モハメド・アリ</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>ピアース・ブロスナン</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>シャー・ルク・カーン</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>テイラー・スウィフト</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>ポール・マッカートニー</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>ハリソン・フォード</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>ジャッキー・チェン</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>アンゲラ・メルケル</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>エマ・ワトソン</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>ミック・ジャガー</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>スティーブ・ジョブズ</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>ティム・バーナーズ＝リー</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>ニコール・キッドマン</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>ジュリア・ロバーツ</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>ノラ・ジョーンズ</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>ダイアナ・ロス</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>ジョージ・ルーカス</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>トム・ハンクス</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>セリーヌ・ディオン</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>ヒュー・ジャックマン</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>姚明</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>エリック・クラプトン</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>ナタリー・ポートマン</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>ロジャー・フェデラー</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>セリーナ・ウィリアムズ</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>シェール</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>フレディ・マーキュリー</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>シャロン・ストーン</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>プリンス</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>マドンナ</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>アンドレ・アガシ</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>マット・デイモン</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>アン・ハサウェイ</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>エルトン・ジョン</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>スティーヴン・キング</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>エマ・トンプソン</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>ユアン・マクレガー</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>クリス・ヘムズワース</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス。自分だけのインターネットビジネスを始めて、オンラインで稼ぎましょう。本ソフトを丸ごとあなたのサイトのブランドで提供できます。詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>本ソフトにあなたのサイト名を入れて、固定客とアクセスを増やしましょう。ここにサイト名とリンクを掲載できます。詳しくは「ヘルプ」をご覧ください。共同ブランドの詳細はここをクリック。</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>オンライン掲示板 %1 にお越しください</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>掲示板で占い結果をシェアしましょう。ここをクリックして %1 へ</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>鼠</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兎</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>竜</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猿</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>鶏</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>犬</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>竜、猿</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>アルマンディン、ガーネット</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>蛇、鶏</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>青紫</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>ホワイトオニキス</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>晩冬</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>馬、犬</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>サファイア</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>陽</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>早春</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>羊、猪</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>薄緑</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>ペリドット</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>仲春</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>鼠、猿</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>アメジスト</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>晩春</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>牛、鶏</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>虎、猪</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>モスアゲート</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>初夏</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>虎、犬</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>ベリル</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>仲夏</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>兎、猪</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>ピンク、紫</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>エメラルド</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>陰</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>晩夏</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>鼠、竜</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>黄色、金色</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>初秋</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>牛、竜、蛇</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>ピーチ、アプリコット</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>ジャスパー</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>仲秋</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>虎、馬</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>淡黄色</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>ダイヤモンド</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>晩秋</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>兎、羊</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>紺色</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>トパーズ</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>初冬</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>西（247.6～292.5度）</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>この方位に鶏の置物か絵を飾りましょう</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>南（157.6～202.5度）</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>この方位に馬の置物か絵を飾りましょう</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>東（67.6～112.5度）</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>この方位に兎の置物か絵を飾りましょう</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>北（337.6～22.5度）</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>この方位に鼠の置物か絵を飾りましょう</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>金の気を持つあなたは、目標に一途で自信にあふれた人です。障害にひるむことも、歩みを緩めることもありません。自立心が強く、人から干渉されるのを嫌います。頑固で向こう見ず、衝動的な面もありますが、芯の強さは相当なものです。人生の楽しみを存分に味わえる人です。ただ、自分と同じだけのことを他人にも求めがちです。</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>水の気を持つあなたは、水のようにしなやかで、物静かな魅力で問題を解決していきます。人を動かすときも力ずくではなく、さりげなく説得するタイプです。振る舞いはいつも如才なく、周囲から全幅の信頼を寄せられるでしょう。鋭い直感で相手の心を読み取り、巧みな話術で自然と人を動かします。段取り上手ですが、ムラっ気があるのが玉にきずです。</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>木の気を持つあなたは、自分に確かな自信を持つ人です。堂々とした風格があり、むやみに物事を追い求めません。几帳面で、何事も順序立てて進めます。チームワークを好み、成功の実りを喜んで人と分かち合う、利己心とは無縁の人です。興味の幅も広く多彩でしょう。人に頼りすぎる面もあります。責任は手に負える範囲で引き受けましょう。知識と経験は、年を重ねるほど活きてきます。</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>火の気を持つあなたは、衝動的な性格で、実に魅力的な人です。リーダーとして人を奮い立たせ、自然と周囲を惹きつけます。理想を貫き、誰に何を言われても考えを曲げません。自分の決断に迷いはなく、積極的に新しい世界を切り開いていくでしょう。まさに挑戦するために生まれてきた人です。ときに支配的になることもあり、野心も人一倍です。</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>土の気を持つあなたは、感情よりも理性で動くタイプです。物静かで品格のある存在感が、周囲の尊敬を集めるでしょう。慎重で、いつも冷静さを失いません。慣れないことには不安を覚えがちです。細部にこだわり、人生に真剣に向き合う人です。物事をまとめ、計画を立てるのが得意です。規律正しく、保守的な一面があります。</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>干支</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>恋愛の方位</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>桃花のアドバイス</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>守護星</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>最も相性が良い</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>最も相性が悪い</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>幸運の季節</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>幸運の月</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>幸運の色</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>幸運の石</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>陰陽</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>有名人</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat ox tiger rabbit dragon snake horse goat monkey rooster dog wild_boar</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>すでに起動しています</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本ソフトの更新版があるかもしれません。<byte value="xd"/>更新を確認しますか？</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY 桃花命盤は易経に基づき、あなたの恋愛の方位を見つけてその力を引き出す中国伝統の方法です。本ソフトは、あなたの恋愛の方位に基づいてアドバイスをお届けします。本ソフトに関する一切の権利は QY 桃花命盤の制作者が保有しています。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅ビジネスのチャンス。自分だけのインターネットビジネスを始めて、オンラインで稼ぎましょう。本ソフトを丸ごとあなたのサイトのブランドで提供できます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>クリックして %1 へ</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>QY 桃花命盤のアイコン</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>中国の桃花命盤で、あなたの恋愛の方位をもっと詳しく知りましょう。まずはあなたの情報を入力してください。</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>あなたの情報を入力</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>生年月日：日</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>生年月日：月</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>生年月日：年</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>桃花占いを見る(&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>正しい日または月を入力してください！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>正しい日または月を入力してください！</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>QY 桃花命盤の結果</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>公式サイトへ(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>干支の絵</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>紫の円盤に白で描かれた%1</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY 桃花命盤 v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY 桃花命盤</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>漢字かなカナ</translation>
    </message>
</context>
</TS>
